# SPDX-License-Identifier: MIT
# Helpers for driving the real binary under Xvfb with xdotool.

WORK=$(mktemp -d)
PIDS=()
cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

# Shows what the program said, which the cleanup is about to delete.
fail() {
    echo "FAIL: $*" >&2
    if [ -s "$WORK/app.log" ]; then sed 's/^/app.log: /' "$WORK/app.log" >&2; fi
    exit 1
}

start_xvfb() {
    for tool in Xvfb xdotool xdpyinfo; do
        command -v "$tool" >/dev/null || fail "$tool is missing (scripts/test installs it)"
    done
    # Each test has a server of its own, and tests run side by side. Servers
    # that chose a free display themselves (-displayfd) while others started
    # were seen not answering, or answering once and then refusing the program.
    # A display number named in advance is locked before the server makes its
    # sockets: a number in use makes the new server stop at once, and the next
    # try takes another.
    local attempt n pid i started=
    for attempt in $(seq 20); do
        n=$((1000 + RANDOM % 8000))
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset 2>"$WORK/xvfb.log" &
        pid=$!
        PIDS+=("$pid")
        # On a busy machine the server may take a while to answer.
        for i in $(seq 200); do
            kill -0 "$pid" 2>/dev/null || break
            # Still running once it answers: the answer came from this server.
            if xdpyinfo -display ":$n" >/dev/null 2>&1 && kill -0 "$pid" 2>/dev/null; then
                started=":$n"
                break 2
            fi
            sleep 0.05
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    [ -n "$started" ] || fail "Xvfb did not start: $(tail -n 3 "$WORK/xvfb.log" 2>/dev/null)"
    export DISPLAY=$started
    mkdir -p "$WORK/runtime" && chmod 700 "$WORK/runtime"
    export XDG_RUNTIME_DIR="$WORK/runtime"
    unset QT_QPA_PLATFORM
}

start_app() {
    local attempt i
    for attempt in 1 2; do
        "$1" 2>"$WORK/app.log" &
        APP_PID=$!
        PIDS+=("$APP_PID")
        # Until the program has a window on the server, or has ended.
        for i in $(seq 60); do
            xdotool search --pid "$APP_PID" >/dev/null 2>&1 && return 0
            kill -0 "$APP_PID" 2>/dev/null || break
            sleep 0.05
        done
        kill -0 "$APP_PID" 2>/dev/null && return 0
        # A program that found no display on a server that answers: seen a few
        # times when many tests ran side by side, and never on its own. Say so,
        # and try once more; a second failure stands.
        if [ "$attempt" = 1 ] && grep -q '^zelvan: no display:' "$WORK/app.log" &&
            xdpyinfo >/dev/null 2>&1; then
            echo "note: the program could not open $DISPLAY, which answers; starting it again" >&2
            sed 's/^/app.log (first start): /' "$WORK/app.log" >&2
            continue
        fi
        return 0
    done
}

# Prints the id of the first visible window whose name matches the pattern.
wait_window() {
    local pattern=$1 seconds=${2:-10} id i
    for i in $(seq $((seconds * 20))); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        if [ -n "${APP_PID:-}" ] && ! kill -0 "$APP_PID" 2>/dev/null; then
            fail "the program ended before a window named like '$pattern' appeared"
        fi
        sleep 0.05
    done
    fail "no window named like '$pattern' after ${seconds}s"
}

# Whole seconds shown by a "Zelvan - HH:MM:SS" caption.
caption_seconds() {
    local name
    name=$(xdotool getwindowname "$1")
    [[ $name =~ ^Zelvan\ -\ ([0-9]{2}):([0-9]{2}):([0-9]{2})$ ]] || fail "caption '$name'"
    echo $((10#${BASH_REMATCH[1]} * 3600 + 10#${BASH_REMATCH[2]} * 60 + 10#${BASH_REMATCH[3]}))
}

# Succeeds when the dial of the main window shows red all along an alarm hand
# pointing at the given minute (at scale 1: the dial's centre is 92.5, 84.5
# pixels into the window, its radius 75.7 pixels; the hand ends at 0.65 of it).
# With "none" as third argument, succeeds when there is no red on that path.
dial_alarm_hand() {
    local window=$1 minute=$2 want=${3:-shown}
    import -window "$window" "$WORK/dial.png" || fail "cannot capture the window"
    convert "$WORK/dial.png" txt:- | awk -v m="$minute" -v want="$want" '
        $2 ~ /^\(255,0,0[,)]/ { split($1, p, /[,:]/); red[p[1] "," p[2]] = 1 }
        END {
            pi = atan2(0, -1); a = pi / 2 - m * pi / 30; found = 0; n = 0
            for (r = 0.1; r <= 0.601; r += 0.05) {
                x = int(92.5 + r * 75.7 * cos(a)); y = int(84.5 - r * 75.7 * sin(a)); n++
                hit = 0
                for (dx = -1; dx <= 1; dx++) for (dy = -1; dy <= 1; dy++)
                    if ((x + dx) "," (y + dy) in red) hit = 1
                found += hit
            }
            exit !(want == "none" ? found == 0 : found == n)
        }'
}

# Runs the command until it succeeds, for at most the given seconds.
within() {
    local seconds=$1 i
    shift
    for i in $(seq $((seconds * 10))); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

dialog_closed() { ! xdotool search --onlyvisible --name '^Alarm Setting$' >/dev/null 2>&1; }

# Arms the alarm of the main window at the given minutes through its dialog,
# opened with a click on "Alarm..." (1440, 3120 twips: a point inside it is 130,
# 220 pixels at 96 dpi) or, with "keyboard", by focusing the window, which puts
# the focus on "Start", then Tab and Enter. The alarm must not be armed: the
# dialog opens with the box as the alarm stands, and space checks it.
arm_alarm() {
    local window=$1 minutes=$2 how=${3:-click} dialog
    if [ "$how" = keyboard ]; then
        xdotool windowfocus --sync "$window"
        xdotool key Tab Return
    else
        xdotool mousemove --window "$window" 130 220 click 1
    fi
    dialog=$(wait_window '^Alarm Setting$')
    xdotool windowfocus --sync "$dialog"
    xdotool key space Tab ctrl+a
    xdotool type "$minutes"
    xdotool key Return
    within 5 dialog_closed || fail "the alarm dialog did not close"
}

# A private PulseAudio server whose default sink, "rec", plays into nothing;
# its monitor, rec.monitor, records what was played. PULSE_SERVER points at it.
start_null_sink() {
    local socket=$WORK/pulse/socket
    # The server gets folders of its own, so it neither meets nor starts another.
    mkdir -p "$WORK/pulse/home" "$WORK/pulse/runtime"
    chmod 700 "$WORK/pulse/runtime"
    HOME="$WORK/pulse/home" XDG_RUNTIME_DIR="$WORK/pulse/runtime" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
        -L "module-null-sink sink_name=rec" \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$socket" \
        2>"$WORK/pulse.log" &
    PIDS+=($!)
    export PULSE_SERVER=unix:$socket
    within 10 pactl info >/dev/null 2>&1 || { cat "$WORK/pulse.log" >&2; fail "pulseaudio did not start"; }
    pactl set-default-sink rec
}
