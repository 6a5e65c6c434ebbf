# SPDX-License-Identifier: MIT
# Helpers for tests under a window manager: openbox, a full EWMH window
# manager, on the test's own Xvfb. Source after lib.sh.

# A command that fails outside a check stops the test: say which.
set -E
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

start_openbox() {
    local tool
    for tool in openbox xprop xwininfo; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/test installs it)"
    done
    # Its own home, so no user configuration or session file comes in; the
    # system configuration without the animation of minimising and restoring,
    # during which a window is seen neither here nor there.
    mkdir -p "$WORK/home/.config/openbox"
    sed 's|<animateIconify>yes</animateIconify>|<animateIconify>no</animateIconify>|' \
        /etc/xdg/openbox/rc.xml >"$WORK/home/.config/openbox/rc.xml"
    HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_CACHE_HOME="$WORK/home/.cache" \
        openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
    PIDS+=($!)
    wait_until 20 "openbox did not take over the display" wm_running
}

wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Runs a command every 50 ms until it succeeds, or fails the test with the message.
wait_until() {
    local seconds=$1 message=$2 i
    shift 2
    for i in $(seq $((seconds * 20))); do
        "$@" && return 0
        sleep 0.05
    done
    fail "$message (waited ${seconds}s)"
}

# Window ids as xprop writes them.
hex_id() { printf '0x%x' "$1"; }

active_window() { xprop -root _NET_ACTIVE_WINDOW | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p'; }
is_active() { [ "$(active_window)" = "$(hex_id "$1")" ]; }

# The windows in the window manager's stacking order, bottom first.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*#//; s/,/ /g'; }

stack_position() {
    local hex i=0 w
    hex=$(hex_id "$1")
    for w in $(stacking); do
        [ "$w" = "$hex" ] && { echo "$i"; return; }
        i=$((i + 1))
    done
    echo -1
}

# Fails unless window $1 is stacked above window $2.
assert_above() {
    local upper lower
    upper=$(stack_position "$1")
    lower=$(stack_position "$2")
    [ "$upper" -ge 0 ] && [ "$lower" -ge 0 ] && [ "$upper" -gt "$lower" ] ||
        fail "$3: $(hex_id "$1") is not above $(hex_id "$2") in the stacking $(stacking)"
}

transient_for() { xprop -id "$1" WM_TRANSIENT_FOR | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p'; }
net_wm_state() { xprop -id "$1" _NET_WM_STATE; }
has_state() { net_wm_state "$1" | grep -q "$2"; }
lacks_state() { ! has_state "$@"; }
# Whether WM_HINTS carries the ICCCM urgency hint, which task bars and window
# managers read besides _NET_WM_STATE_DEMANDS_ATTENTION.
is_urgent() { xprop -id "$1" WM_HINTS | grep -q 'The urgency hint bit is set'; }
not_urgent() { ! is_urgent "$1"; }
is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }

# "x y width height" of a window on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^ *Width/ {w=$2} /^ *Height/ {h=$2} END {print x, y, w, h}'
}

# Fails unless the centre of window $1 lies inside window $2.
assert_centred_over() {
    local x y w h X Y W H cx cy
    read -r x y w h <<<"$(geometry "$1")"
    read -r X Y W H <<<"$(geometry "$2")"
    cx=$((x + w / 2))
    cy=$((y + h / 2))
    [ "$cx" -ge "$X" ] && [ "$cx" -lt $((X + W)) ] && [ "$cy" -ge "$Y" ] && [ "$cy" -lt $((Y + H)) ] ||
        fail "$3: $(hex_id "$1") at $x,$y ${w}x$h is not over $(hex_id "$2") at $X,$Y ${W}x$H"
}

# The visible windows of one process whose name matches a pattern.
windows_of() { xdotool search --all --onlyvisible --pid "$1" --name "$2" 2>/dev/null || true; }

# The main window of a process: the one that is nobody's transient.
main_window_of() {
    local w
    for w in $(windows_of "$1" '^Zelvan - '); do
        [ -z "$(transient_for "$w")" ] && { echo "$w"; return 0; }
    done
    return 1
}

# The boxes and dialogs of a process: windows transient for another.
boxes_of() {
    local w
    for w in $(windows_of "$1" "$2"); do
        [ -z "$(transient_for "$w")" ] || echo "$w"
    done
}

box_of() {
    local boxes
    boxes=$(boxes_of "$@")
    [ -n "$boxes" ] && head -n 1 <<<"$boxes"
}

wait_main_window() {
    local id
    wait_until "${2:-30}" "no main window of process $1" main_window_of "$1" >/dev/null
    main_window_of "$1"
}

wait_box() {
    wait_until "${3:-20}" "no window '$2' of process $1" box_of "$1" "$2" >/dev/null
    box_of "$1" "$2"
}

# Checks or clears "Always on top" in the dial's context menu of a process's
# main window, and waits until the window manager's state follows. The window
# must stay the one it was, under the same id, mapped all along.
toggle_on_top() {
    local pid=$1 window=$2 follows=has_state i
    has_state "$window" _NET_WM_STATE_ABOVE && follows=lacks_state
    xdotool mousemove --window "$window" 90 80 click 3
    sleep 0.5
    # The entry is the menu's last: Up wraps round to it.
    xdotool key Up Return
    for i in $(seq 400); do
        is_viewable "$window" ||
            fail "Always on top took the main window $(hex_id "$window") off the screen"
        "$follows" "$window" _NET_WM_STATE_ABOVE && break
        [ "$i" -lt 400 ] || fail "_NET_WM_STATE_ABOVE did not follow Always on top: $(net_wm_state "$window")"
        sleep 0.05
    done
    [ "$(main_window_of "$pid")" = "$window" ] ||
        fail "Always on top gave the main window a new id: $(main_window_of "$pid" || echo none) for $window"
}

# Arms a one-minute alarm through the dialog with the keyboard, then clicks
# Start (120, 3120 twips: 8, 208 pixels) with the mouse.
arm_one_minute_and_start() {
    local pid=$1 window=$2 dialog
    xdotool windowactivate --sync "$window"
    wait_until 15 "the main window did not take the keyboard" is_active "$window"
    xdotool key Tab Return
    dialog=$(wait_box "$pid" '^Alarm Setting$')
    wait_until 15 "the dialog did not take the keyboard" is_active "$dialog"
    xdotool key space Tab
    xdotool type 1
    xdotool key Return
    dialog_gone() { [ -z "$(box_of "$pid" '^Alarm Setting$')" ]; }
    wait_until 15 "the dialog did not close on OK" dialog_gone
    xdotool mousemove --window "$window" 40 220 click 1
}
