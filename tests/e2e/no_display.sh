#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every display that cannot be opened gets one line naming it and exit status 1,
# never Qt's abort: unset, unreachable, malformed, remote, a screen the server
# lacks, and a Wayland socket nobody answers, dead or silent.
set -uo pipefail
. "$(dirname "$0")/lib.sh"
app=$1

# check LABEL NAME-IN-MESSAGE VAR=VALUE...: runs the program with only the
# given display variables and checks its one line.
check() {
    local label=$1 name=$2; shift 2
    local out status
    out=$(timeout 60 env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY "$@" "$app" 2>&1)
    status=$?
    echo "$label: exit $status: $out"
    [ "$status" -eq 1 ] || fail "$label: expected exit status 1, got $status"
    [ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || fail "$label: expected one line"
    [[ $out == "zelvan: no display: "* ]] || fail "$label: unexpected message"
    [[ $out == *"$name"* ]] || fail "$label: the message does not name $name"
}

mkdir -p "$WORK/runtime" && chmod 700 "$WORK/runtime"
export XDG_RUNTIME_DIR="$WORK/runtime"

check "DISPLAY unset" "DISPLAY is not set"
check "empty DISPLAY" "DISPLAY is not set" DISPLAY=
for display in :9731 garbage :abc :123456 127.0.0.1:54 localhost:10.0 nosuchhost.invalid:0; do
    check "DISPLAY=$display" "DISPLAY=$display" DISPLAY="$display"
done

# A running server with a single screen: screen 5 does not exist.
start_xvfb
check "screen the server lacks" "DISPLAY=$DISPLAY.5" DISPLAY="$DISPLAY.5"

# A socket file that no compositor listens on any more.
perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 1) or die "$!\n"' \
    "$XDG_RUNTIME_DIR/dead-wayland" || fail "cannot make the dead socket"
check "dead Wayland socket" "WAYLAND_DISPLAY=dead-wayland" \
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=dead-wayland
check "Wayland without a socket" "WAYLAND_DISPLAY=wayland-0" QT_QPA_PLATFORM=wayland

# A socket that takes the connection and never answers: the program gives up
# after its 30 s instead of waiting for ever.
perl -MIO::Socket::UNIX -e '
    my $s = IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 5) or die "$!\n";
    sleep 120' "$XDG_RUNTIME_DIR/silent-wayland" &
PIDS+=($!)
for i in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/silent-wayland" ] && break; sleep 0.05; done
check "silent Wayland socket" "WAYLAND_DISPLAY=silent-wayland" \
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=silent-wayland
echo "all displays that cannot be opened were reported"
