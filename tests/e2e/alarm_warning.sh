#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Arms a one-minute alarm through the dialog with the keyboard, starts the
# stopwatch with the mouse, and expects the "Tempo scaduto!" warning titled with
# the caption of that moment, while counting goes on; the warning's text is read
# as a screen reader reads it. On the way, the red alarm hand must show as soon
# as the dialog arms it, and go as soon as it disarms it. The alarm cannot sound:
#   alarm_warning.sh ZELVAN missing-chime     the chime file is not there
#   alarm_warning.sh ZELVAN no-audio-device   the chime is there, but no sound server
set -euo pipefail
. "$(dirname "$0")/lib.sh"

# Qt plays sound through a PulseAudio server; pointing it nowhere leaves no
# audio device, whatever this machine has.
export PULSE_SERVER=unix:/nonexistent/zelvan-test-pulse
case "${2:-}" in
missing-chime)
    # A tree like an installed one, but with no chime in it.
    mkdir -p "$WORK/tree/bin" "$WORK/tree/share/zelvan"
    cp "$1" "$WORK/tree/bin/zelvan"
    binary="$WORK/tree/bin/zelvan"
    ;;
no-audio-device)
    binary=$1
    chime="$(dirname "$1")/../share/zelvan/Media/TaDa.wav"
    [ -f "$chime" ] || fail "the chime is missing from the build tree: $chime"
    ;;
*) fail "usage: $0 ZELVAN missing-chime|no-audio-device" ;;
esac

start_xvfb
# A session bus with the accessibility bus on it, up before the program starts,
# so that the program offers its windows' texts to screen readers.
command -v dbus-daemon >/dev/null || fail "dbus-daemon is missing (scripts/test installs it)"
dbus-daemon --session --nofork --print-address=3 3>"$WORK/bus" 2>/dev/null &
PIDS+=($!)
within 5 test -s "$WORK/bus" || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$WORK/bus") QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null ||
    fail "no accessibility bus"
start_app "$binary"
window=$(wait_window '^Zelvan - ')

# Tab to "Alarm...", open the dialog, check the box, type 1 in the text box, Enter.
arm_alarm "$window" 1 keyboard
# The red hand shows as the dialog closes, with the stopwatch stopped.
within 2 dial_alarm_hand "$window" 1 || fail "no red alarm hand after arming"

# Disarmed and armed again through the dialog, opened with a click on
# "Alarm..." (1440, 3120 twips: 96, 208 pixels); it opens at the check box.
for step in disarm arm; do
    xdotool mousemove --window "$window" 130 220 click 1
    dialog=$(wait_window '^Alarm Setting$')
    xdotool windowfocus --sync "$dialog"
    xdotool key space Return
    within 5 dialog_closed || fail "the dialog stayed open ($step)"
    if [ $step = disarm ]; then
        within 2 dial_alarm_hand "$window" 1 none || fail "the red hand stayed after disarming"
    else
        within 2 dial_alarm_hand "$window" 1 || fail "no red alarm hand after arming again"
    fi
done

# Click "Start" (120, 3120 twips: 8, 208 pixels) with the mouse.
xdotool mousemove --window "$window" 40 220 click 1
sleep 1.5
[ "$(caption_seconds "$window")" -ge 1 ] || fail "the stopwatch did not start"

# The main window carries the same caption for a second: look for another window.
warning=
for i in $(seq 1300); do
    warning=$(xdotool search --onlyvisible --name '^Zelvan - 00:01:00$' 2>/dev/null |
        grep -v -x "$window" | head -n 1) || true
    [ -n "$warning" ] && break
    sleep 0.05
done
[ -n "$warning" ] || fail "no warning titled 'Zelvan - 00:01:00' within 65 s"
sleep 2
# The main window has counted on behind the open warning.
[ "$(caption_seconds "$window")" -ge 61 ] || fail "counting stopped behind the warning"
[ "$(xdotool getwindowname "$warning")" = "Zelvan - 00:01:00" ] || fail "warning title"
# Its text, as a screen reader reads it (the main window has moved on to
# another caption by now, so only the warning is read).
texts=$(timeout 20 /usr/bin/python3 "$(dirname "$0")/accessible_texts.py" 'Zelvan - 00:01:00') ||
    fail "the accessibility bus did not answer"
grep -qx 'Tempo scaduto!' <<<"$texts" || fail "warning text: '$texts'"
echo "warning shown, main window at $(xdotool getwindowname "$window")"
