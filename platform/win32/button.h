// SPDX-License-Identifier: MIT
#pragma once

#include "platform/button.h"
#include "platform/win32/winapi.h"

namespace zelvan {

// A BUTTON control whose caption the program sets.
class Win32Button final : public Button
{
public:
    explicit Win32Button(HWND button) : m_button(button) {}

    void SetCaption(const std::string &caption) override;

private:
    HWND m_button;
};

} // namespace zelvan
