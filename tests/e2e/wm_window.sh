#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The main window and the alarm dialog under a window manager (openbox):
# the dialog is owned by the main window, modal and placed over it, and gives
# the keyboard back on OK and on Cancel; Always on top reaches the window
# manager and keeps the window, its id, place and count, and the dialog and its
# warning open above it; minimised, the caption counts on, and once restored
# the dial shows the hands of the moment, as a fresh paint of it does.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/wm.sh"

start_xvfb
start_openbox
"$1" 2>"$WORK/app.log" &
app=$!
PIDS+=("$app")
main=$(wait_main_window "$app")
xdotool windowactivate --sync "$main"
wait_until 15 "the main window did not take the keyboard" is_active "$main"

dialog_gone() { [ -z "$(box_of "$app" '^Alarm Setting$')" ]; }

# The dialog, opened from "Alarm..." with the keyboard and cancelled.
xdotool key Tab Return
dialog=$(wait_box "$app" '^Alarm Setting$')
[ "$(transient_for "$dialog")" = "$(hex_id "$main")" ] || fail "the dialog is not owned by the main window"
has_state "$dialog" _NET_WM_STATE_MODAL || fail "the dialog is not modal"
assert_centred_over "$dialog" "$main" "the dialog"
assert_above "$dialog" "$main" "the dialog"
wait_until 15 "the dialog did not take the keyboard" is_active "$dialog"
xdotool key Escape
wait_until 15 "Escape did not close the dialog" dialog_gone
wait_until 15 "the main window did not get the keyboard back after Cancel" is_active "$main"
# The keyboard is on "Alarm..." again: Enter opens the dialog once more.
xdotool key Return
dialog=$(wait_box "$app" '^Alarm Setting$')
wait_until 15 "the dialog did not take the keyboard" is_active "$dialog"
xdotool key Return
wait_until 15 "OK did not close the dialog" dialog_gone
wait_until 15 "the main window did not get the keyboard back after OK" is_active "$main"
# Back to Start, and Enter starts the count.
xdotool key shift+Tab Return
sleep 1.5
[ "$(caption_seconds "$main")" -ge 1 ] || fail "Enter after OK did not start the count"
echo "dialog owned by, modal and over the main window; keyboard back after Cancel and OK"

# Always on top: the window manager keeps the window above, in its place, counting.
read -r x y _ <<<"$(geometry "$main")"
before=$(caption_seconds "$main")
toggle_on_top "$app" "$main"
read -r x2 y2 _ <<<"$(geometry "$main")"
[ "$x2,$y2" = "$x,$y" ] || fail "Always on top moved the window from $x,$y to $x2,$y2"
[ "$(caption_seconds "$main")" -ge "$before" ] || fail "Always on top lost the count"

# Over a window kept on top, the dialog and its warning open above it.
xdotool windowactivate --sync "$main"
xdotool mousemove --window "$main" 136 220 click 1
dialog=$(wait_box "$app" '^Alarm Setting$')
assert_above "$dialog" "$main" "the dialog over a window kept on top"
wait_until 15 "the dialog did not take the keyboard" is_active "$dialog"
xdotool key space Tab
xdotool type 0
xdotool key Return
# The warning carries the dialog's caption.
warned() { warning=$(boxes_of "$app" '^Alarm Setting$' | grep -v -x "$dialog" | head -n 1) && [ -n "$warning" ]; }
wait_until 15 "no warning for 0 minutes" warned
[ "$(transient_for "$warning")" = "$(hex_id "$dialog")" ] || fail "the warning is not owned by the dialog"
assert_above "$warning" "$dialog" "the warning over the dialog"
has_state "$warning" _NET_WM_STATE_ABOVE || fail "the warning is not kept on top"
echo "on top: main window, dialog and warning stacked $(hex_id "$main") $(hex_id "$dialog") $(hex_id "$warning") in$(stacking)"
import -window root "$WORK/on-top.png"
[ -z "${ZELVAN_E2E_SHOTS:-}" ] || cp "$WORK/on-top.png" "$ZELVAN_E2E_SHOTS/wm_window_on_top.png"
wait_until 15 "the warning did not take the keyboard" is_active "$warning"
xdotool key Return
wait_until 15 "the dialog did not get the keyboard back" is_active "$dialog"
xdotool key Escape
wait_until 15 "Escape did not close the dialog" dialog_gone

before=$(caption_seconds "$main")
toggle_on_top "$app" "$main"
read -r x2 y2 _ <<<"$(geometry "$main")"
[ "$x2,$y2" = "$x,$y" ] || fail "clearing Always on top moved the window from $x,$y to $x2,$y2"
[ "$(caption_seconds "$main")" -ge "$before" ] || fail "clearing Always on top lost the count"
echo "Always on top set and cleared at $x,$y on the same window $(hex_id "$main"), count kept"

# Minimised through the window manager, the caption counts on.
xdotool windowminimize --sync "$main"
wait_until 15 "the window was not minimised" is_iconic "$main"
minimised=$(caption_seconds "$main")
sleep 2.5
[ "$(caption_seconds "$main")" -ge $((minimised + 2)) ] || fail "the caption stopped while minimised"
# Restored through the window manager, then stopped so the hands stay put.
xdotool windowactivate --sync "$main"
wait_until 15 "the window was not restored" is_viewable "$main"
xdotool mousemove --window "$main" 40 220 click 1
sleep 1.2
# The dial (240, 120 twips; 2295 twips square: 16, 8 and 153 pixels). The
# brand words are printed anew over themselves at every tick, which shades
# their edges; they are left out.
dial() {
    import -window "$1" "$WORK/window.png"
    convert "$WORK/window.png" -crop 153x153+16+8 +repage -fill red \
        -draw "rectangle 52,86 106,116" "$2"
}
dial "$main" "$WORK/restored.png"
# A fresh paint: the alarm dialog, confirmed, has the whole dial drawn anew.
xdotool mousemove --window "$main" 136 220 click 1
dialog=$(wait_box "$app" '^Alarm Setting$')
wait_until 15 "the dialog did not take the keyboard" is_active "$dialog"
xdotool key Return
wait_until 15 "OK did not close the dialog" dialog_gone
sleep 0.5
dial "$main" "$WORK/fresh.png"
differ=$(compare -metric AE "$WORK/restored.png" "$WORK/fresh.png" null: 2>&1) || true
[ "$differ" = 0 ] || fail "after restore the dial differs from a fresh paint in $differ pixels"
[ -z "${ZELVAN_E2E_SHOTS:-}" ] || cp "$WORK/restored.png" "$ZELVAN_E2E_SHOTS/wm_window_restored.png"
echo "minimised from $minimised s; restored dial at $(xdotool getwindowname "$main") matches a fresh paint"
