// SPDX-License-Identifier: MIT
#pragma once

// <windows.h> for the Win32 front end. It defines MessageBox as a macro
// (MessageBoxA or MessageBoxW), which would silently rename zelvan::MessageBox
// in every file that also sees the program's own headers: include this instead.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef MessageBox
