#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# alarm.sh WINE WINESERVER ZELVAN DRIVER missing|present: an alarm armed for
# one minute, run for one real minute under Wine. Where C:\windows\Media\TaDa.wav
# is missing, "Tempo scaduto!" shows, owned by the main window and titled with
# the caption of that tick, and the count goes on behind it. Where it exists,
# it is heard from a private PulseAudio server's null sink at 00:01:00 and not
# before, and no warning shows.
set -euo pipefail
WINE=$1 WINESERVER=$2 DRIVER=$4
zelvan=$3 chime=$5
. "$(dirname "$0")/lib.sh"

start_xvfb
start_openbox
rate=16000
if [ "$chime" = present ]; then
    # Wine keeps the audio devices it first meets in the prefix: the server
    # comes before the prefix.
    start_null_sink
fi
start_wine
media=$WINEPREFIX/drive_c/windows/Media
if [ "$chime" = present ]; then
    mkdir -p "$media"
    sox -n -r 22050 -b 16 -c 1 "$media/TaDa.wav" synth 1.5 sine 660 fade 0 1.5 0.3
    parec -d rec.monitor --format=s16le --rate=$rate --channels=1 --latency-msec=20 \
        >"$WORK/rec.raw" 2>"$WORK/parec.log" &
    PIDS+=($!)
else
    [ ! -e "$media/TaDa.wav" ] || fail "a new prefix has $media/TaDa.wav"
fi

# The keyboard's way through the dialog is window.sh's: here it is armed and
# checked as it goes, so that a busy machine only slows it down.
window=$(start_zelvan "$zelvan")
driver click 'Zelvan - ' 'Alarm...' >/dev/null || fail "cannot press Alarm..."
dialog=$(wait_window '^Alarm Setting$')
xdotool windowactivate --sync "$dialog"
xdotool key space Tab ctrl+a
xdotool type 1
armed() {
    local form2
    form2=$(window_dump '#32770' 'Alarm Setting')
    grep -q 'text="Abilita l.allarme" .* checked=1' <<<"$form2" && grep -q 'class="Edit" text="1"' <<<"$form2"
}
within 10 armed || fail "the dialog did not take the keys: $(driver dump)"
driver click 'Alarm Setting' OK >/dev/null
within 5 dialog_closed || fail "the alarm dialog did not close"
driver click 'Zelvan - ' Start >/dev/null || fail "cannot press Start"

# The sound's recording, by bytes: from where the caption last read 00:00:59
# to where it first read 00:01:00.
recorded() { [ -f "$WORK/rec.raw" ] && stat -c %s "$WORK/rec.raw" || echo 0; }
before=0
for _ in $(seq 1500); do
    caption=$(xdotool getwindowname "$window")
    [ "$caption" = "Zelvan - 00:01:00" ] && break
    [ "$caption" = "Zelvan - 00:00:59" ] && before=$(recorded)
    sleep 0.05
done
[ "$caption" = "Zelvan - 00:01:00" ] || fail "the caption never showed 00:01:00, but '$caption'"
at=$(recorded)
main_handle=$(window_dump 'Zelvan[.]Form1' 'Zelvan - ' | handle)
warning() { owned_by "$main_handle" | grep -A9 '^window .*class="#32770" title="Zelvan - 00:01:00"' | grep -q 'text="Tempo scaduto!"'; }

if [ "$chime" = missing ]; then
    within 5 warning || fail "no 'Tempo scaduto!' titled 'Zelvan - 00:01:00' owned by the window: $(driver dump)"
    later() { [ "$(caption_seconds "$window")" -ge 62 ]; }
    within 5 later || fail "the count stopped behind the warning: $(xdotool getwindowname "$window")"
    echo "'Tempo scaduto!' titled 'Zelvan - 00:01:00'; the count went on to $(xdotool getwindowname "$window")"
    exit 0
fi

sleep 3
! warning || fail "a warning showed although the chime exists"
[ -z "$(owned_by "$main_handle" | grep '^window ')" ] || fail "a window opened over the stopwatch: $(driver dump)"
# Silence until the tick before the alarm, sound within a second after it.
peak() { # peak amplitude of the recording between two byte offsets
    local from=$1 to=$2
    dd if="$WORK/rec.raw" bs=2 skip=$((from / 2)) count=$(((to - from) / 2)) status=none >"$WORK/part.raw"
    sox -t raw -r $rate -e signed -b 16 -c 1 "$WORK/part.raw" -n stat 2>&1 |
        awk '/^Maximum amplitude/ { print $3 }'
}
[ "$before" -gt $((rate * 2)) ] || fail "too little recorded before the alarm ($before bytes)"
quiet=$(peak 0 "$before")
loud=$(peak "$before" $((at + rate * 2)))
echo "peak $quiet before 00:00:59, $loud from then to a second after 00:01:00"
awk -v q="$quiet" -v l="$loud" 'BEGIN { exit !(q < 0.01 && l > 0.1) }' ||
    fail "the chime was not heard at 00:01:00 alone (peaks $quiet before, $loud at the alarm)"
