// SPDX-License-Identifier: MIT
#pragma once

#include "platform/win32/winapi.h"

#include <deque>
#include <functional>

namespace zelvan {

// An invisible message-only window that runs work on the GUI thread from its
// message queue: calls posted to run later, and its timers. Modal loops (a
// dialog, a message box, a menu) dispatch its messages as the main loop does,
// so what it runs goes on while they are open.
class MessageWindow final
{
public:
    MessageWindow();
    ~MessageWindow();
    MessageWindow(const MessageWindow &) = delete;
    MessageWindow &operator=(const MessageWindow &) = delete;

    HWND Handle() const { return m_window; }

    // Runs call once the code now running has returned to a message loop.
    void Post(std::function<void()> call);
    // Called with the id of each of this window's timers as it fires.
    void SetTimerHandler(std::function<void(UINT_PTR)> handler) { m_onTimer = std::move(handler); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunPosted();

    HWND m_window = nullptr;
    std::deque<std::function<void()>> m_posted;
    std::function<void(UINT_PTR)> m_onTimer;
};

} // namespace zelvan
