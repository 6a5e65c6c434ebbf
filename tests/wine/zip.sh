#!/bin/sh
# SPDX-License-Identifier: MIT
# zip.sh BUILD-DIR CPACK: the portable zip holds zelvan.exe and nothing else.
set -eu
build=$1 cpack=$2
(cd "$build" && "$cpack" -G ZIP >/dev/null)
contents=$(unzip -Z1 "$build"/zelvan-*-win64.zip)
echo "zip holds: $contents"
[ "$contents" = zelvan.exe ]
