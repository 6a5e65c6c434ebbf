# SPDX-License-Identifier: MIT
# Helpers for driving zelvan.exe under Wine on the test's own Xvfb and
# openbox; the X helpers come from the Linux tests' lib.sh and wm.sh.
# Set WINE, WINESERVER and DRIVER, then source this.

. "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
. "$(dirname "${BASH_SOURCE[0]}")/../e2e/wm.sh"
. "$(dirname "${BASH_SOURCE[0]}")/env.sh"

# The prefix lives in the test's folder: the server ends, then the folder goes.
wine_cleanup() {
    [ -n "${WINEPREFIX:-}" ] && "$WINESERVER" -k 2>/dev/null && "$WINESERVER" -w 2>/dev/null
    cleanup
}
trap wine_cleanup EXIT

# Runs a Windows program into the log, as Wine's background processes keep
# open whatever they inherit (a pipe would never reach its end).
wine_run() { "$WINE" "$@" </dev/null >>"$WORK/wine.log" 2>&1; }

# A new prefix on the test's display, kept warm between launches. With a dpi,
# the desktop is set to it before the server that reads it starts.
start_wine() {
    local dpi=${1:-96}
    wine_env "$WORK/prefix"
    mkdir -p "$WINEPREFIX"
    "$WINESERVER" -p
    wine_run wineboot -i || fail "wineboot failed: $(tail -n 3 "$WORK/wine.log")"
    if [ "$dpi" != 96 ]; then
        wine_run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f
        "$WINESERVER" -k
        "$WINESERVER" -w
        "$WINESERVER" -p
    fi
}

# Starts zelvan.exe and prints its main window's X id.
start_zelvan() {
    "$WINE" "$1" </dev/null >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    PIDS+=("$APP_PID")
    wait_window '^Zelvan - ' 20
}

# What the driver reads or does, on stdout.
driver() {
    "$WINE" "$DRIVER" "$@" </dev/null >"$WORK/driver.out" 2>&1
    local status=$?
    cat "$WORK/driver.out"
    return $status
}

# One top-level window's line and its controls' from a dump: the first
# window of the class whose title begins as the pattern says (both extended
# regular expressions).
window_dump() {
    driver dump | awk -v c="class=\"$1\"" -v t="title=\"$2" '
        /^window / { inside = match($0, c) && match($0, t) && !done; if (inside) done = 1 }
        inside'
}

# The windows a window owns, from a dump.
owned_by() {
    driver dump | awk -v o="owner=$1 " '/^window / { inside = index($0, o) > 0 } inside'
}

# The handle of a dump's first window.
handle() { sed -n '1s/^window \([^ ]*\) .*/\1/p'; }

# A field (client, dpi, owner) of a dump's window line, or a control's text.
field() { sed -n "1s/.* $1=\\([^ ]*\\).*/\\1/p"; }
control_text() { sed -n "s/^  control id=$1 .* text=\"\\(.*\\)\" style=.*/\\1/p"; }
