# SPDX-License-Identifier: MIT
# The environment every Wine the tests start runs in: their own prefix, no
# debug chatter, and no winemenubuilder, which would turn each shortcut into an
# entry with icons in the user's own desktop menu and, running on in the
# background, keep the install folder busy while the uninstaller removes it.
# Source this, then call wine_env PREFIX.
wine_env() {
    WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
    export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES
}
