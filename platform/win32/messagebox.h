// SPDX-License-Identifier: MIT
#pragma once

#include "platform/messagebox.h"
#include "platform/win32/messagewindow.h"

namespace zelvan {

// Warnings of the main window, in MessageBoxW. Warning returns at once and the
// box opens from the message loop right after: the caller (a tick) finishes
// first, and the box's own modal loop keeps the timers ticking behind it.
class Win32MessageBox final : public MessageBox
{
public:
    explicit Win32MessageBox(HWND owner) : m_owner(owner) {}

    void Warning(const std::string &text, const std::string &title) override;

private:
    HWND m_owner;
    MessageWindow m_queue;
};

// A modal warning over owner with the exclamation icon and one OK button;
// returns when the user has closed it.
void ShowWarning(HWND owner, const std::string &text, const std::string &title);

} // namespace zelvan
