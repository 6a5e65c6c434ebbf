#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The chime is heard: a private PulseAudio server with a null sink, the
# program pointed at it, and the sink's monitor recorded around the alarm.
# Arms one minute, starts the stopwatch, and expects sound within about a
# second of 00:01:00, silence before it, and no "Tempo scaduto!" warning.
#   chime.sh ZELVAN
set -euo pipefail
. "$(dirname "$0")/lib.sh"

for tool in pulseaudio pactl parec sox; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/test installs it)"
done
chime="$(dirname "$1")/../share/zelvan/Media/TaDa.wav"
[ -f "$chime" ] || fail "the chime is missing from the build tree: $chime"

start_xvfb

start_null_sink

# Raw samples, so that the file's size tells how much has been recorded; in
# small fragments, so that it grows as the time passes.
rate=16000
parec -d rec.monitor --format=s16le --rate=$rate --channels=1 --latency-msec=20 \
    >"$WORK/rec.raw" 2>"$WORK/parec.log" &
recorder=$!
PIDS+=("$recorder")
recorded() { [ "$(stat -c %s "$WORK/rec.raw")" -ge $((rate / 5)) ]; }
within 5 recorded || { cat "$WORK/parec.log" >&2; fail "nothing recorded from the null sink"; }
# When the first sample was taken, by the clock of this script.
recording_began=$(awk -v now="$(date +%s.%N)" -v bytes="$(stat -c %s "$WORK/rec.raw")" \
    -v rate=$rate 'BEGIN { printf "%.3f", now - bytes / (2 * rate) }')
since_recording() { awk -v now="$(date +%s.%N)" -v began="$recording_began" 'BEGIN { print now - began }'; }
# True when the numbers compare as the awk expression says, as in: holds "a < b".
holds() { awk "BEGIN { exit !($1) }"; }

start_app "$1"
window=$(wait_window '^Zelvan - ')
# Tab to "Alarm...", open the dialog, check the box, type 1 in the text box, Enter.
arm_alarm "$window" 1 keyboard
within 2 dial_alarm_hand "$window" 1 || fail "no red alarm hand after arming"

# Click "Start" (120, 3120 twips: 8, 208 pixels).
xdotool mousemove --window "$window" 40 220 click 1
started() { [ "$(xdotool getwindowname "$window")" != "Zelvan - 00:00:00" ]; }
within 3 started || fail "the stopwatch did not start"

# The tick that fires the alarm sets the caption to 00:01:00: it came after
# the last reading of 00:00:59 and before the first of 00:01:00.
before_alarm=0
for i in $(seq 1400); do
    read_at=$(since_recording)
    caption=$(xdotool getwindowname "$window")
    [ "$caption" = "Zelvan - 00:01:00" ] && break
    [ "$caption" = "Zelvan - 00:00:59" ] && before_alarm=$read_at
    sleep 0.05
done
[ "$caption" = "Zelvan - 00:01:00" ] || fail "the caption never showed 00:01:00"
alarm_at=$(since_recording)
holds "$before_alarm > 0" || fail "the caption never showed 00:00:59"
sleep 3
# No warning: the only window titled like the caption is the main window.
others=$(xdotool search --onlyvisible --name '^Zelvan - ' | grep -v -x "$window" || true)
[ -z "$others" ] || fail "a window titled '$(xdotool getwindowname ${others%%$'\n'*})' appeared"

kill "$recorder"
wait "$recorder" 2>/dev/null || true
sox -t raw -r $rate -e signed -b 16 -c 1 "$WORK/rec.raw" "$WORK/rec.wav"
length=$(soxi -D "$WORK/rec.wav")
# Sound starts where the leading silence ends (above -50 dBFS for 5 ms).
sox "$WORK/rec.wav" "$WORK/heard.wav" silence 1 0.005 -50d
heard=$(soxi -D "$WORK/heard.wav")
holds "$heard > 0.2" || fail "no sound recorded (${heard}s above -50 dBFS)"
onset=$(awk -v a="$length" -v b="$heard" 'BEGIN { print a - b }')
peak=$(sox "$WORK/heard.wav" -n stat 2>&1 | awk '/^Maximum amplitude/ {print $3}')
printf 'caption 00:01:00 between %.2fs and %.2fs of recording, sound from %.2fs, peak %s\n' \
    "$before_alarm" "$alarm_at" "$onset" "$peak"
# The first sound takes a moment to reach the sink; a busy machine may read
# the caption late, but never before the tick.
holds "$onset > $before_alarm - 0.1" || fail "sound before 00:01:00"
holds "$onset < $alarm_at + 1.0" || fail "no sound within a second of 00:01:00"
holds "$peak > 0.1" || fail "the chime was faint (peak $peak)"
