#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the Debian package from the build tree, unpacks it into a scratch root
# as dpkg would install it, checks what a desktop needs to list the program with
# its icon and launch it, and starts the unpacked binary under Xvfb.
# Usage: deb_install.sh BUILD_DIR APP_ID VERSION SOUND_MODULE CPACK ICON_SIZES
# SOUND_MODULE is where the program looks for its sound module, relative to
# the folder that holds the program; ICON_SIZES lists the icon's sizes, e.g. 16,32.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
build=$1 id=$2 version=$3 module=$4 cpack=$5
IFS=, read -ra icon_sizes <<<"$6"
[ ${#icon_sizes[@]} -gt 0 ] || fail "no icon sizes given"

for tool in "$cpack" dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli xprop; do
    command -v "$tool" >/dev/null || fail "$tool is missing (scripts/test installs it)"
done

# A private output folder, so the build tree's own package folder is left alone.
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$WORK/pkg" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log" >&2; fail "cpack -G DEB"; }
debs=("$WORK"/pkg/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}

[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The libraries come from dpkg-shlibdeps (Qt Multimedia from the sound module),
# the readout's font and Qt's Wayland plugin are named by hand.
for needed in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 fonts-liberation2 qt6-wayland; do
    tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//' | grep -qxF "$needed" ||
        fail "Depends lacks $needed"
done

root=$WORK/root
dpkg -x "$deb" "$root"
desktop=$root/usr/share/applications/$id.desktop
[ -f "$desktop" ] || fail "no desktop entry $id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
# Also checks that the metainfo's launchable is the installed desktop entry.
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"

# What the menu shows and starts: the icon in every size, and the command.
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in "${icon_sizes[@]}"; do
    [ -f "$root/usr/share/icons/hicolor/${size}x$size/apps/$icon.png" ] || fail "no ${size}px icon"
done
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$root/usr/bin/$command" ] || fail "Exec=$command is not in /usr/bin"

start_xvfb
start_app "$root/usr/bin/$command"
window=$(wait_window '^Zelvan - 00:00:00$')

# The program looks for its chime in ../share/zelvan beside its own folder.
exe=$(readlink "/proc/$APP_PID/exe")
[ "$exe" = "$root/usr/bin/$command" ] || fail "running $exe"
chime=$(dirname "$exe")/../share/zelvan/Media/TaDa.wav
[ -f "$chime" ] || fail "no chime at $chime"
# The sound module is packaged where the program will look for it on the first
# alarm, and until then Qt Multimedia stays out of the process.
[ -f "$(dirname "$exe")/$module" ] || fail "no sound module at $(dirname "$exe")/$module"
! grep -q libQt6Multimedia "/proc/$APP_PID/maps" || fail "Qt Multimedia is loaded at start"

# On X11 the desktop matches the window to its entry by the window class.
wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*, "\(.*\)"$/\1/p')
expected=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ "$wm_class" = "$expected" ] || fail "window class '$wm_class', desktop entry says '$expected'"
echo "installed from $(basename "$deb"): window '$(xdotool getwindowname "$window")', class $wm_class"
