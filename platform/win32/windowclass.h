// SPDX-License-Identifier: MIT
#pragma once

#include "platform/win32/winapi.h"

namespace zelvan {

// Registers a window class of this program with the arrow cursor; a class
// already registered stays as it is, so each window can ask as it is made.
void RegisterWindowClass(const wchar_t *name, WNDPROC procedure, HBRUSH background = nullptr);

} // namespace zelvan
