#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the stopwatch with Enter and checks that the caption counts the seconds.
set -euo pipefail
. "$(dirname "$0")/lib.sh"

start_xvfb
start_app "$1"
window=$(wait_window '^Zelvan - ')
[ "$(xdotool getwindowname "$window")" = "Zelvan - 00:00:00" ] || fail "caption at start"

xdotool windowfocus --sync "$window"
xdotool key Return
sleep 2
shown=$(caption_seconds "$window")
echo "caption two seconds after Enter: $(xdotool getwindowname "$window")"
[ "$shown" -ge 1 ] && [ "$shown" -le 3 ] || fail "expected about 2 seconds, caption shows $shown"
