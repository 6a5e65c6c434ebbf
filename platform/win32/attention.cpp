// SPDX-License-Identifier: MIT
#include "platform/win32/attention.h"

namespace zelvan {

bool FlashAttention::UserIsAtProgram() const
{
    // The main window, the alarm dialog and the warnings all belong to this
    // process; a window of another program in front means the user is there.
    HWND front = GetForegroundWindow();
    DWORD process = 0;
    if (front)
        GetWindowThreadProcessId(front, &process);
    return front && process == GetCurrentProcessId();
}

void FlashAttention::Request()
{
    FLASHWINFO flash{};
    flash.cbSize = sizeof flash;
    flash.hwnd = m_mainWindow;
    flash.dwFlags = FLASHW_ALL | FLASHW_TIMERNOFG;
    FlashWindowEx(&flash);
}

} // namespace zelvan
