#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# window.sh WINE WINESERVER ZELVAN DRIVER DPI: zelvan.exe under Wine, as a user
# meets it. At every dpi the client area is 2775 x 3615 twips. At 96 dpi also:
# Enter starts it, the caption and the readout count, Stop holds the count and
# Continue goes on; the alarm dialog, owned by the window, refuses 0 with its
# warning, owned by the dialog, and once it closes on 1 the red hand shows.
set -euo pipefail
WINE=$1 WINESERVER=$2 DRIVER=$4
zelvan=$3 dpi=$5
. "$(dirname "$0")/lib.sh"

start_xvfb
start_openbox
start_wine "$dpi"
window=$(start_zelvan "$zelvan")
main=$(window_dump 'Zelvan[.]Form1' 'Zelvan - 00:00:00')
[ -n "$main" ] || fail "no main window in: $(driver dump)"

size=$(field client <<<"$main")
[ "$(field dpi <<<"$main")" = "$dpi" ] || fail "the window has $(field dpi <<<"$main") dpi, not $dpi"
awk -v s="$size" -v d="$dpi" 'BEGIN { split(s, p, "x")
    exit !(p[1] - 2775 * d / 1440 < 1 && 2775 * d / 1440 - p[1] < 1 &&
           p[2] - 3615 * d / 1440 < 1 && 3615 * d / 1440 - p[2] < 1) }' ||
    fail "client area $size at $dpi dpi is not 2775 x 3615 twips"
echo "client area $size at $dpi dpi"
[ "$dpi" = 96 ] || exit 0

readout() { window_dump 'Zelvan[.]Form1' 'Zelvan - ' | control_text 101; }
button() { window_dump 'Zelvan[.]Form1' 'Zelvan - ' | control_text 102; }
counting() { [ "$(caption_seconds "$window")" -ge "$1" ]; }

# Enter presses Start, the default button.
xdotool windowactivate --sync "$window"
xdotool key Return
within 5 counting 2 || fail "Enter did not start the count: $(xdotool getwindowname "$window")"
[ "$(button)" = Stop ] || fail "the button reads '$(button)' while counting"
# The readout shows what the caption shows, give or take the tick between reads.
shown=$(caption_seconds "$window")
text=$(readout)
[[ $text =~ ^00:00:0[0-9]$ ]] || fail "readout '$text'"
[ $((${text##*:} - shown)) -le 1 ] && [ $((${text##*:} - shown)) -ge 0 ] ||
    fail "readout $text against caption $(xdotool getwindowname "$window")"

# Stop holds the count, Continue goes on from it.
xdotool key Return
within 2 eval '[ "$(button)" = Continue ]' || fail "Stop did not stop: the button reads '$(button)'"
held=$(caption_seconds "$window")
sleep 2
[ "$(caption_seconds "$window")" = "$held" ] || fail "the count moved while stopped"
xdotool key Return
within 5 counting $((held + 1)) || fail "Continue did not go on from $held s"
[ "$(button)" = Stop ] || fail "the button reads '$(button)' after Continue"
echo "counted, stopped at $held s and went on"

# Tab to "Alarm...", open the dialog, check the box, try 0, then 1.
xdotool key Tab Return
dialog=$(wait_window '^Alarm Setting$')
main_handle=$(window_dump 'Zelvan[.]Form1' 'Zelvan - ' | handle)
dialog_handle=$(owned_by "$main_handle" | handle)
[ -n "$dialog_handle" ] || fail "the dialog is not owned by the main window: $(driver dump)"
xdotool windowactivate --sync "$dialog"
xdotool key space Tab ctrl+a
xdotool type 0
xdotool key Return
warned() { owned_by "$dialog_handle" | grep -q 'text="Impostare un valore tra 1 e 60 minuti."'; }
within 5 warned || fail "no warning owned by the dialog for 0 minutes: $(driver dump)"
warning=$(owned_by "$dialog_handle")
grep -q '^window .* class="#32770" title="Alarm Setting" ' <<<"$warning" ||
    fail "the warning is not titled with the dialog's caption: $warning"
grep -q 'class="Static" text="" style=0x5......3 ' <<<"$warning" || fail "the warning shows no icon"
xdotool key Return
within 5 eval '! warned' || fail "the warning did not close"
dialog=$(wait_window '^Alarm Setting$')
xdotool windowactivate --sync "$dialog"
xdotool key ctrl+a
xdotool type 1
xdotool key Return
within 5 dialog_closed || fail "the dialog did not close on 1 minute"
within 1 dial_alarm_hand "$window" 1 || fail "no red alarm hand as the dialog closed"
echo "the dialog warned about 0 minutes, took 1, and the red hand shows"
