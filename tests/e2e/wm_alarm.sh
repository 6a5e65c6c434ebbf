#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The alarm under a window manager, with no audio device, so it shows
# "Tempo scaduto!". Two stopwatches share the minute an alarm takes:
#   A is kept on top while another program has the keyboard: its warning must
#     open above it, owned by it and on top too, not beneath it.
#   B is minimised: its caption keeps counting, and its warning must still
#     show on the screen, not be hidden with its owner.
# Neither warning takes the keyboard from the other program, so keys typed
# there do not close them unseen. Both stopwatches ask for attention when the
# alarm fires, in both ways task bars read (_NET_WM_STATE_DEMANDS_ATTENTION
# and the urgency hint in WM_HINTS), and the requests clear when the user
# comes back to the window.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
. "$(dirname "$0")/wm.sh"

export PULSE_SERVER=unix:/nonexistent/zelvan-test-pulse
command -v xmessage >/dev/null || fail "xmessage is missing (scripts/test installs x11-utils)"
start_xvfb
start_openbox

"$1" 2>"$WORK/a.log" &
a=$!
PIDS+=("$a")
"$1" 2>"$WORK/b.log" &
b=$!
PIDS+=("$b")
main_a=$(wait_main_window "$a")
main_b=$(wait_main_window "$b")
xdotool windowmove --sync "$main_a" 560 120
xdotool windowmove --sync "$main_b" 80 120

toggle_on_top "$a" "$main_a"
arm_one_minute_and_start "$a" "$main_a"
arm_one_minute_and_start "$b" "$main_b"
xdotool windowminimize --sync "$main_b"
wait_until 15 "B was not minimised" is_iconic "$main_b"
minimised_at=$(caption_seconds "$main_b")

# Another program takes the keyboard, as when the user works elsewhere.
xmessage -geometry 400x300+500+200 "another program" 2>/dev/null &
PIDS+=($!)
other=$(wait_window '^xmessage$')
xdotool windowactivate --sync "$other"
wait_until 15 "the other program did not become active" is_active "$other"
assert_above "$main_a" "$other" "a window kept on top"

box_a=$(wait_box "$a" '^Zelvan - 00:01:00$' 70)
box_b=$(wait_box "$b" '^Zelvan - 00:01:00$' 20)
sleep 0.5
import -window root "$WORK/fired.png"
[ -z "${ZELVAN_E2E_SHOTS:-}" ] || cp "$WORK/fired.png" "$ZELVAN_E2E_SHOTS/wm_alarm_fired.png"

is_active "$other" || fail "a warning took the keyboard from the other program: $(active_window) is active"
# Enter, space and Escape would each close a warning that had the keyboard.
xdotool key Return space Escape
sleep 0.5
is_active "$other" || fail "the keyboard left the other program: $(active_window) is active"
is_viewable "$box_a" && is_viewable "$box_b" || fail "keys typed in the other program closed a warning"
echo "the other program $(hex_id "$other") kept the keyboard; both warnings stayed open"
is_urgent "$main_a" || fail "A's WM_HINTS lack the urgency hint: $(xprop -id "$main_a" WM_HINTS)"
is_urgent "$main_b" || fail "B's WM_HINTS lack the urgency hint: $(xprop -id "$main_b" WM_HINTS)"
echo "urgency hint set in the WM_HINTS of A and B"

[ "$(transient_for "$box_a")" = "$(hex_id "$main_a")" ] || fail "A's warning is not owned by A"
assert_above "$box_a" "$main_a" "A's warning over A kept on top"
has_state "$box_a" _NET_WM_STATE_ABOVE || fail "A's warning is not kept on top like A"
has_state "$box_a" _NET_WM_STATE_MODAL || fail "A's warning is not modal"
is_viewable "$box_a" || fail "A's warning is not on the screen"
has_state "$main_a" _NET_WM_STATE_DEMANDS_ATTENTION || fail "A did not ask for attention"
echo "A: warning $(hex_id "$box_a") above main window $(hex_id "$main_a"); stacking $(stacking)"

is_iconic "$main_b" || fail "B came back from the task bar by itself"
[ "$(caption_seconds "$main_b")" -ge 60 ] && [ "$minimised_at" -lt 60 ] ||
    fail "B's caption did not count on while minimised"
[ "$(transient_for "$box_b")" = "$(hex_id "$main_b")" ] || fail "B's warning is not owned by B"
is_viewable "$box_b" || fail "B's warning is hidden with its minimised owner"
read -r x y w h <<<"$(geometry "$box_b")"
[ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le 1024 ] && [ $((y + h)) -le 768 ] ||
    fail "B's warning is off the screen at $x,$y ${w}x$h"
has_state "$main_b" _NET_WM_STATE_DEMANDS_ATTENTION || fail "B did not ask for attention"
echo "B: minimised from $minimised_at s, warning $(hex_id "$box_b") shown at $x,$y"

# The user comes to A, which the warning blocks: the warning takes the
# keyboard; answered, the keyboard goes back to A, whose requests for
# attention clear.
xdotool windowactivate "$main_a"
wait_until 15 "A's warning did not take the keyboard when the user came to A" is_active "$box_a"
xdotool key Return
wait_until 15 "A did not get the keyboard back after its warning" is_active "$main_a"
wait_until 15 "A still asks for attention once active" lacks_state "$main_a" _NET_WM_STATE_DEMANDS_ATTENTION
wait_until 15 "A keeps the urgency hint once active" not_urgent "$main_a"
[ "$(caption_seconds "$main_a")" -ge 61 ] || fail "A stopped counting behind its warning"

# The user answers B's warning: B stays in the task bar, still asking for
# attention, until the user brings it back.
xdotool windowactivate --sync "$box_b"
wait_until 15 "B's warning did not take the keyboard" is_active "$box_b"
xdotool key Return
box_b_gone() { ! is_viewable "$box_b"; }
wait_until 15 "B's warning did not close" box_b_gone
is_iconic "$main_b" || fail "B left the task bar by itself"
has_state "$main_b" _NET_WM_STATE_DEMANDS_ATTENTION || fail "B stopped asking for attention unseen"
is_urgent "$main_b" || fail "B dropped the urgency hint unseen"
xdotool windowactivate "$main_b"
wait_until 15 "B was not restored" is_viewable "$main_b"
wait_until 15 "B still asks for attention once restored" lacks_state "$main_b" _NET_WM_STATE_DEMANDS_ATTENTION
wait_until 15 "B keeps the urgency hint once restored" not_urgent "$main_b"
echo "attention cleared on A and B; A at $(xdotool getwindowname "$main_a")"
