# SPDX-License-Identifier: MIT
# Installs the Debian packages named as arguments that are not installed yet.
# Sourced by scripts/run and scripts/test.

install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null ||
            { echo "Missing packages: ${missing[*]}; install them as root." >&2; return 1; }
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

# What it takes to build and run the stopwatch.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev qt6-wayland libxcb1-dev fonts-liberation2)
# What the tests need besides.
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev xvfb xdotool dbus-daemon dbus-bin at-spi2-core python3-dbus imagemagick x11-utils openbox weston clang libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file pulseaudio pulseaudio-utils sox fonts-dejavu-core)
# What the Windows build (cross-compiled, tested and packaged under Wine) needs
# besides; Wine draws its text with the system's fonts, and sets the screen's
# modes through XRandR.
WINDOWS_PACKAGES=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine64 nsis zip unzip xvfb x11-utils openbox xdotool imagemagick pulseaudio pulseaudio-utils sox libxrandr2 fonts-liberation2)
