// SPDX-License-Identifier: MIT
#include "platform/win32/button.h"

#include "platform/win32/text.h"

namespace zelvan {

void Win32Button::SetCaption(const std::string &caption)
{
    SetWindowTextW(m_button, Widen(caption).c_str());
    // The new caption shows before the click's handler returns.
    UpdateWindow(m_button);
}

} // namespace zelvan
