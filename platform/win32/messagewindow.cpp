// SPDX-License-Identifier: MIT
#include "platform/win32/messagewindow.h"

#include "platform/win32/windowclass.h"

namespace zelvan {

namespace {

constexpr const wchar_t *ClassName = L"Zelvan.MessageWindow";
constexpr UINT WM_RUNPOSTED = WM_APP + 1;

} // namespace

MessageWindow::MessageWindow()
{
    RegisterWindowClass(ClassName, &MessageWindow::Procedure);
    m_window = CreateWindowExW(0, ClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

MessageWindow::~MessageWindow()
{
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
}

void MessageWindow::Post(std::function<void()> call)
{
    m_posted.push_back(std::move(call));
    PostMessageW(m_window, WM_RUNPOSTED, 0, 0);
}

void MessageWindow::RunPosted()
{
    // One call per message: a call that opens a modal loop lets the next one
    // run inside it, from its own message, rather than later in this loop.
    if (m_posted.empty())
        return;
    std::function<void()> call = std::move(m_posted.front());
    m_posted.pop_front();
    call();
}

LRESULT CALLBACK MessageWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam)
{
    auto *self = reinterpret_cast<MessageWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self && message == WM_RUNPOSTED) {
        self->RunPosted();
        return 0;
    }
    if (self && message == WM_TIMER) {
        if (self->m_onTimer)
            self->m_onTimer(static_cast<UINT_PTR>(wParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace zelvan
