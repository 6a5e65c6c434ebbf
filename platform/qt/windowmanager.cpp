// SPDX-License-Identifier: MIT
#include "platform/qt/windowmanager.h"

#include "platform/qt/nativewindow.h"

#include <QWidget>
#include <QWindow>

namespace zelvan {

bool StaysOnTop(const QWidget &widget)
{
    return widget.window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void SetStaysOnTop(QWidget &widget, bool on)
{
    QWidget &window = *widget.window();
    if (StaysOnTop(window) == on)
        return;
    if (native::RequestKeptAbove(window, on)) {
        ChangeFlagInPlace(window, Qt::WindowStaysOnTopHint, on);
        return;
    }
    // A new window flag hides the window; Qt keeps its place, and it shows
    // again with the same contents, since only the native window is made anew.
    const bool visible = window.isVisible();
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) {
        window.show();
        window.activateWindow();
    }
}

void ChangeFlagInPlace(QWidget &window, Qt::WindowType flag, bool on)
{
    Qt::WindowFlags flags = window.windowFlags();
    flags.setFlag(flag, on);
    window.overrideWindowFlags(flags);
    if (QWindow *handle = window.windowHandle())
        handle->setFlags(flags);
}

} // namespace zelvan
