#!/bin/sh
# SPDX-License-Identifier: MIT
# installer.sh BUILD-DIR CPACK WINE PREFIX: makes the installer, installs it
# silently under Wine and checks what a user gets: zelvan.exe under Program
# Files, a Start-menu shortcut to it, an uninstaller and its entry among the
# installed apps; then uninstalls it silently and checks all of that is gone.
set -eu
build=$1 cpack=$2 wine=$3
. "$(dirname "$0")/env.sh"
wine_env "$4"
log=$build/tests/installer.log
: >"$log"
# Wine writes desktop-menu entries under the XDG folders: keep the user's own
# out of reach, and see below that none are written.
xdg=$build/tests/installer-xdg
rm -rf "$xdg"
XDG_DATA_HOME=$xdg/data XDG_CONFIG_HOME=$xdg/config
export XDG_DATA_HOME XDG_CONFIG_HOME

(cd "$build" && "$cpack" -G NSIS >>"$log")
installer=$(ls "$build"/zelvan-*-win64.exe)
dir="$WINEPREFIX/drive_c/Program Files/Zelvan"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Zelvan/Zelvan.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelvan'
entry=$build/tests/installer.reg

fail() { echo "FAIL: $*" >&2; cat "$log" >&2; exit 1; }

"$wine" "$installer" /S </dev/null >>"$log" 2>&1
[ -f "$dir/zelvan.exe" ] || fail "no zelvan.exe in $dir"
[ -f "$dir/Uninstall.exe" ] || fail "no uninstaller in $dir"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
grep -aq 'zelvan.exe' "$shortcut" || fail "the shortcut does not lead to zelvan.exe"
"$wine" reg query "$key" </dev/null >"$entry" 2>>"$log" || fail "no uninstall entry"
grep -q 'DisplayName.*Zelvan' "$entry" || fail "the uninstall entry has no name"
grep -q 'UninstallString.*Uninstall.exe' "$entry" || fail "the uninstall entry names no uninstaller"
grep -q 'DisplayIcon.*zelvan.exe' "$entry" || fail "the uninstall entry has no icon"
if [ -n "$(find "$xdg" -type f 2>/dev/null)" ]; then
    fail "installing wrote desktop-menu entries: $(find "$xdg" -type f)"
fi
echo "installed: $dir, $shortcut, $key"

# The uninstaller copies itself out of the folder it removes and runs from
# there, so it returns at once: wait for its work.
"$wine" "$dir/Uninstall.exe" /S </dev/null >>"$log" 2>&1
for _ in $(seq 100); do
    [ -e "$dir" ] || [ -e "$shortcut" ] || break
    sleep 0.2
done
[ ! -e "$dir" ] || fail "$dir is left after uninstalling: $(ls "$dir")"
[ ! -e "$shortcut" ] || fail "the shortcut is left after uninstalling"
if "$wine" reg query "$key" </dev/null >>"$log" 2>&1; then
    fail "the uninstall entry is left after uninstalling"
fi
echo "uninstalled"
