#!/bin/sh
# SPDX-License-Identifier: MIT
# server.sh start|stop WINESERVER WINE PREFIX: makes the prefix if it is new and
# keeps its Wine server up between the tests' launches, or ends it.
set -eu
action=$1 wineserver=$2 wine=$3
. "$(dirname "$0")/env.sh"
wine_env "$4"
case $action in
start)
    # Wine's background processes keep whatever they inherit open: give them
    # files, never the test's pipe, or ctest waits for them.
    mkdir -p "$WINEPREFIX"
    "$wineserver" -p </dev/null >"$WINEPREFIX.server.log" 2>&1
    "$wine" wineboot -i </dev/null >>"$WINEPREFIX.server.log" 2>&1
    ;;
stop)
    "$wineserver" -k || true
    "$wineserver" -w
    ;;
esac
