// SPDX-License-Identifier: MIT
#include "platform/qt/windowmanager.h"

#include "platform/qt/nativewindow.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace zelvan {

namespace {

// Clears the urgency hint once the user comes to the window; Qt withdraws its
// own request for attention then too.
class UrgencyUntilActive final : public QObject
{
public:
    static constexpr const char *Name = "urgencyUntilActive";

    explicit UrgencyUntilActive(QWidget &window) : QObject(&window), m_window(window)
    {
        setObjectName(Name);
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &m_window && event->type() == QEvent::WindowActivate) {
            native::SetUrgencyHint(m_window, false);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &m_window;
};

// Lets the window take the focus from its first exposure on.
class FocusOnceExposed final : public QObject
{
public:
    FocusOnceExposed(QWidget &window, QWindow &handle) : QObject(&window), m_window(window)
    {
        handle.installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            watched->removeEventFilter(this);
            ChangeFlagInPlace(m_window, Qt::WindowDoesNotAcceptFocus, false);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget &m_window;
};

} // namespace

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

void AskForAttention(QWidget &widget)
{
    QWidget &window = *widget.window();
    if (window.isActiveWindow())
        return;
    QApplication::alert(&window);
    // Some task bars and window managers read the hint alone.
    // One clearer a window, found by name: it is no QObject subclass of its own.
    if (native::SetUrgencyHint(window, true) &&
        !window.findChild<QObject *>(UrgencyUntilActive::Name, Qt::FindDirectChildrenOnly))
        new UrgencyUntilActive(window);
}

void ShowWithoutTakingTheKeyboard(QWidget &window)
{
    // Enough for a window that is not modal. Qt asks the window manager to
    // activate a modal window as it maps, whatever the attribute says; one
    // that takes no focus cannot be activated, so the window takes none until
    // that request is behind it. Set before the native window exists, the
    // flag does not make it anew.
    window.setAttribute(Qt::WA_ShowWithoutActivating);
    window.setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    // The native window, to watch for its first exposure, which follows its mapping.
    window.winId();
    new FocusOnceExposed(window, *window.windowHandle());
    window.show();
}

} // namespace zelvan
