// SPDX-License-Identifier: MIT
#pragma once

#include "platform/attention.h"
#include "platform/win32/winapi.h"

namespace zelvan {

// Flashes the main window's caption and task bar button until the user brings
// it to the front, leaving the keyboard with the program the user is in.
class FlashAttention final : public Attention
{
public:
    explicit FlashAttention(HWND mainWindow) : m_mainWindow(mainWindow) {}

    bool UserIsAtProgram() const override;
    void Request() override;

private:
    HWND m_mainWindow;
};

} // namespace zelvan
