// SPDX-License-Identifier: MIT
// X11, over Qt's own connection to the server; on Wayland and Qt's headless
// platforms there is no such connection and nothing is asked.
#include "platform/qt/nativewindow.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace zelvan::native {

namespace {

xcb_connection_t *Connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <typename Reply> std::unique_ptr<Reply, void (*)(void *)> Owned(Reply *reply)
{
    return {reply, &std::free};
}

xcb_atom_t Atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = Owned(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t NativeWindow(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    return handle ? static_cast<xcb_window_t>(handle->winId()) : xcb_window_t{XCB_WINDOW_NONE};
}

xcb_window_t RootOf(xcb_connection_t *connection, xcb_window_t window)
{
    const auto tree =
        Owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    return tree ? tree->root : xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

} // namespace

bool RequestKeptAbove(QWidget &window, bool above)
{
    xcb_connection_t *connection = Connection();
    if (!connection)
        return false;
    // The state of a window that is not mapped is its own property, which Qt
    // writes from its flag as the window maps; a mapped window's state belongs
    // to the window manager and changes on request (EWMH, _NET_WM_STATE).
    const xcb_window_t id = NativeWindow(window);
    if (!window.isVisible() || id == XCB_WINDOW_NONE)
        return true;
    constexpr std::uint32_t Remove = 0, Add = 1, FromAnApplication = 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = Atom(connection, "_NET_WM_STATE");
    message.data.data32[0] = above ? Add : Remove;
    message.data.data32[1] = Atom(connection, "_NET_WM_STATE_ABOVE");
    message.data.data32[3] = FromAnApplication;
    xcb_send_event(connection, 0, RootOf(connection, id),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(connection);
    return true;
}

bool SetUrgencyHint(QWidget &window, bool urgent)
{
    xcb_connection_t *connection = Connection();
    const xcb_window_t id = NativeWindow(window);
    if (!connection || id == XCB_WINDOW_NONE)
        return false;
    // WM_HINTS as ICCCM 4.1.2.4 lays it out: nine words, the first the flags.
    // Qt keeps the others (input, window group, initial state): read them first.
    constexpr std::uint32_t UrgencyHint = 1u << 8;
    std::array<std::uint32_t, 9> hints{};
    const auto reply = Owned(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS, 0, hints.size()),
        nullptr));
    if (reply && reply->format == 32) {
        const auto words = std::min<std::size_t>(
            static_cast<std::size_t>(xcb_get_property_value_length(reply.get())) / 4, hints.size());
        std::memcpy(hints.data(), xcb_get_property_value(reply.get()), words * 4);
    }
    hints[0] = urgent ? hints[0] | UrgencyHint : hints[0] & ~UrgencyHint;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_HINTS, XCB_ATOM_WM_HINTS,
                        32, hints.size(), hints.data());
    xcb_flush(connection);
    return true;
}

} // namespace zelvan::native
