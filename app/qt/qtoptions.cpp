// SPDX-License-Identifier: MIT
#include "app/qt/qtoptions.h"

#include <QPixmapCache>
#include <QtGlobal>

namespace zelvan {

namespace {

void SetUnlessSet(const char *name, const char *value)
{
    if (!qEnvironmentVariableIsSet(name))
        qputenv(name, value);
}

} // namespace

void ChooseQtStartOptions()
{
    // Qt's own event loop instead of GLib's: the program needs no GLib
    // sources, and each wake-up (one a second while counting) runs through
    // far less code. It also starts faster. What is lost: a GTK platform theme
    // no longer hears of theme changes made while the stopwatch runs.
    SetUnlessSet("QT_NO_GLIB", "1");
    // On X11, the window's picture is sent over the connection instead of
    // through a shared-memory segment. For a window this small the copy is
    // nothing, while a shared segment makes every repaint wait for the X
    // server twice: once before painting, and once for its completion event.
    SetUnlessSet("QT_XCB_NO_MITSHM", "1");
}

void ChooseQtRunOptions()
{
    // The style keeps pictures of the buttons it has drawn in a shared cache,
    // and a cache with anything in it trims itself on a timer: the one wake-up
    // a stopped stopwatch would have. The few buttons are drawn again only
    // when they change state, so they are simply drawn each time.
    QPixmapCache::setCacheLimit(0);
}

} // namespace zelvan
