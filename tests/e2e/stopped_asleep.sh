#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A stopped stopwatch must not wake at all: runs it for two seconds, stops it,
# and counts how often any of its threads was scheduled over the next
# 35 seconds (longer than the 30 s after which caches trim themselves).
set -euo pipefail
. "$(dirname "$0")/lib.sh"

watch=${WATCH_SECONDS:-35}
# Nothing from the desktop this runs on may wake the program instead: no
# session bus (an unreachable one, so none is launched either), no input
# method, no desktop theme.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/no-bus"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION QT_IM_MODULE QT_QPA_PLATFORMTHEME GTK_MODULES
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

# The third field of schedstat counts the times a thread was given the CPU;
# a line for each thread, so that a thread that starts or ends counts too.
runs() {
    local stat
    for stat in /proc/"$APP_PID"/task/*/schedstat; do
        echo "${stat%/schedstat} $(cut -d' ' -f3 "$stat")"
    done
}
before=$(runs)
sleep "$watch"
after=$(runs)
[ "$(xdotool getwindowname "$window")" = "$caption" ] || fail "the caption changed while stopped"
echo "stopped at '$caption'; threads and their runs before and after ${watch}s:"
diff <(echo "$before") <(echo "$after") >&2 && echo "no thread ran" ||
    fail "a thread woke (or started or ended) while stopped"
