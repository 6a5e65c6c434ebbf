// SPDX-License-Identifier: MIT
#include "platform/win32/messagebox.h"

#include "platform/win32/text.h"

namespace zelvan {

void ShowWarning(HWND owner, const std::string &text, const std::string &title)
{
    MessageBoxW(owner, Widen(text).c_str(), Widen(title).c_str(),
                MB_ICONEXCLAMATION | MB_OK);
}

void Win32MessageBox::Warning(const std::string &text, const std::string &title)
{
    m_queue.Post([this, text, title] {
        // While the alarm dialog is open the main window is disabled; a box
        // owned by it would enable it again on closing, under the dialog.
        // The dialog, the window the user works in, owns the box then.
        HWND owner = m_owner;
        if (!IsWindowEnabled(owner))
            owner = GetLastActivePopup(m_owner);
        ShowWarning(owner, text, title);
    });
}

} // namespace zelvan
