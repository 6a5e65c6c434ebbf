#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the desktop entry and the AppStream metainfo with the validators the
# desktops and software centres go by, and that both carry the program's version.
# Usage: validate_metadata.sh DESKTOP_FILE METAINFO_FILE VERSION
set -euo pipefail
desktop=$1 metainfo=$2 version=$3

fail() { echo "FAIL: $*" >&2; exit 1; }
command -v desktop-file-validate >/dev/null ||
    fail "desktop-file-validate is missing (Debian package desktop-file-utils; scripts/test installs it)"
command -v appstreamcli >/dev/null ||
    fail "appstreamcli is missing (Debian package appstream; scripts/test installs it)"

# Hints too: a clean entry gets no output at all.
report=$(desktop-file-validate "$desktop" 2>&1) || true
[ -z "$report" ] || fail "desktop-file-validate: $report"
# --strict fails on anything above pedantic hints.
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate: $metainfo"

shown=$(sed -n 's/^X-AppVersion=//p' "$desktop")
[ "$shown" = "$version" ] || fail "desktop entry says version '$shown', the program is $version"
# Releases are listed newest first.
newest=$(grep -o -m 1 '<release [^>]*version="[^"]*"' "$metainfo" | sed 's/.*version="\([^"]*\)"/\1/')
[ "$newest" = "$version" ] || fail "newest release in the metainfo is '$newest', the program is $version"
echo "desktop entry and metainfo valid, version $version"
