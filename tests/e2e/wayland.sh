#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The stopwatch as a native Wayland client of a headless Weston that this test
# starts: it announces its caption and app id, draws the same dial as under
# X11, and prints nothing on stderr. The widget tests written for Wayland run
# there too.
#   wayland.sh ZELVAN APP_ID GUI_TESTS
set -euo pipefail
. "$(dirname "$0")/lib.sh"

app_id=$2
gui_tests=$3
for tool in weston weston-screenshooter convert compare; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/test installs it)"
done

# The X11 picture of the dial at start, from the test's own Xvfb.
start_xvfb
start_app "$1"
window=$(wait_window '^Zelvan - ')
sleep 0.5
import -window "$window" "$WORK/x11.png"
kill "$APP_PID"

# The dial's place in a picture: the box round its olive ring, RGB(176, 176, 0).
ring_box() { convert "$1" -fill black +opaque 'rgb(176,176,0)' -format '%@' info: 2>/dev/null; }
x11_box=$(ring_box "$WORK/x11.png")
convert "$WORK/x11.png" -crop "$x11_box" +repage "$WORK/x11-dial.png"

# Weston, headless, on its own socket and runtime folder; the screenshooter
# needs --debug and the pixman renderer.
unset DISPLAY
mkdir -p "$WORK/wayland" && chmod 700 "$WORK/wayland"
export XDG_RUNTIME_DIR="$WORK/wayland" WAYLAND_DISPLAY="zelvan-test-$$"
weston --backend=headless-backend.so --use-pixman --socket="$WAYLAND_DISPLAY" --debug \
    --log="$WORK/weston.log" >/dev/null 2>&1 &
PIDS+=($!)
weston_ready() { [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; }
for i in $(seq 400); do weston_ready && break; sleep 0.05; done
weston_ready || fail "weston did not open its socket (log: $(tail -n 3 "$WORK/weston.log"))"

# The client's requests go to stderr with WAYLAND_DEBUG; every other line
# there is a message meant for the user.
QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client "$1" 2>"$WORK/wayland.log" &
APP_PID=$!
PIDS+=("$APP_PID")
titled() { grep -q "set_title(\"Zelvan - 00:00:00\")" "$WORK/wayland.log"; }
for i in $(seq 600); do titled && break; sleep 0.05; done
titled || fail "no xdg_toplevel.set_title(\"Zelvan - 00:00:00\") in the protocol log"
grep -q "set_app_id(\"$app_id\")" "$WORK/wayland.log" || fail "no set_app_id(\"$app_id\")"
grep -q 'xdg_toplevel' "$WORK/wayland.log" || fail "not a native xdg-shell window"
# The compositor's picture of the screen, taken until the dial is on it.
shot="$WORK/shot/wayland.png"
mkdir -p "$WORK/shot"
dial_shown() {
    rm -f "$WORK"/shot/wayland-screenshot-*.png
    (cd "$WORK/shot" && weston-screenshooter >/dev/null 2>&1) || return 1
    mv "$WORK"/shot/wayland-screenshot-*.png "$shot" 2>/dev/null || return 1
    wayland_box=$(ring_box "$shot")
    [ "${wayland_box%%+*}" = "${x11_box%%+*}" ]
}
for i in $(seq 60); do dial_shown && break; sleep 0.25; done
[ -z "${ZELVAN_E2E_SHOTS:-}" ] || cp "$shot" "$ZELVAN_E2E_SHOTS/wayland.png"
[ -f "$shot" ] || fail "weston-screenshooter wrote no picture"
[ "${wayland_box%%+*}" = "${x11_box%%+*}" ] ||
    fail "the dial's ring is $wayland_box on Wayland against $x11_box under X11"
convert "$shot" -crop "$wayland_box" +repage "$WORK/wayland-dial.png"
differ=$(compare -metric AE "$WORK/x11-dial.png" "$WORK/wayland-dial.png" null: 2>&1) || true
[ "$differ" = 0 ] || fail "the dial differs from the X11 picture in $differ pixels"

kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
messages=$(grep -v -E '^\[ *[0-9]+\.[0-9]+\] ' "$WORK/wayland.log" || true)
[ -z "$messages" ] || fail "stderr was not quiet: $messages"
echo "native Wayland: caption and app id $app_id sent; dial ($wayland_box) as under X11 ($x11_box); stderr quiet"

# The widget tests that only Wayland can answer; the others skip themselves
# here as they do elsewhere.
# Built with AddressSanitizer, the widget tests would report what the
# Wayland client library and Mesa's EGL, which Qt sets up for Wayland windows,
# leave allocated at exit; that is not ours.
printf 'leak:libwayland-client.so\nleak:libEGL_mesa.so\n' >"$WORK/lsan.supp"
# Whole stacks, so the suppressions can find those libraries in them.
export LSAN_OPTIONS="suppressions=$WORK/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}fast_unwind_on_malloc=0" QT_QPA_PLATFORM=wayland "$gui_tests" --gtest_filter='*OnWayland*' >"$WORK/gui.log" 2>&1 ||
    fail "widget tests on Wayland: $(tail -n 20 "$WORK/gui.log")"
grep -q '^\[  PASSED  \] [1-9]' "$WORK/gui.log" || fail "no widget test ran on Wayland: $(cat "$WORK/gui.log")"
grep -q 'SKIPPED' "$WORK/gui.log" && fail "a widget test skipped itself on Wayland: $(cat "$WORK/gui.log")"
echo "widget tests on Wayland: $(grep -c '^\[       OK \]' "$WORK/gui.log") passed"
