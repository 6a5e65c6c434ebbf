#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A stopped stopwatch must not wake at all: runs it for two seconds, stops it,
# and counts how often any of its threads was scheduled over the next
# 35 seconds (longer than the 30 s after which caches trim themselves).
set -euo pipefail
. "$(dirname "$0")/lib.sh"

watch=${WATCH_SECONDS:-35}
start_xvfb
start_app "$1"
window=$(wait_window '^Zelvan - ')
xdotool windowfocus --sync "$window"
xdotool key Return
sleep 2
xdotool key Return
sleep 1
caption=$(xdotool getwindowname "$window")
[ "$(caption_seconds "$window")" -ge 1 ] || fail "the stopwatch did not run ($caption)"

# The third field of schedstat counts the times a thread was given the CPU.
runs() {
    local total=0 stat
    for stat in /proc/"$APP_PID"/task/*/schedstat; do
        total=$((total + $(cut -d' ' -f3 "$stat")))
    done
    echo "$total"
}
before=$(runs)
sleep "$watch"
after=$(runs)
[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "the caption changed while stopped"
echo "stopped at '$caption'; threads scheduled over ${watch}s: $((after - before))"
[ "$after" -eq "$before" ] || fail "woke $((after - before)) times while stopped"
