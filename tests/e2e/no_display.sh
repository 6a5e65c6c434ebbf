#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without a display the program says so in one line and exits non-zero, instead of aborting.
set -uo pipefail

check() {
    local label=$1; shift
    local out status
    out=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" 2>&1)
    status=$?
    echo "$label: exit $status: $out"
    [ "$status" -eq 1 ] || { echo "FAIL: $label: expected exit status 1"; exit 1; }
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "FAIL: $label: expected one line"; exit 1; }
    [[ $out == "zelvan: no display"* ]] || { echo "FAIL: $label: unexpected message"; exit 1; }
}

check "DISPLAY unset" env -u DISPLAY "$1"
# A display number nothing listens on.
check "DISPLAY unreachable" env DISPLAY=:9731 "$1"
