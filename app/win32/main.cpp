// SPDX-License-Identifier: MIT
// Stands in for the Win32 front end's entry point until it lands, so that
// the executable, its resources and its packaging build and can be tested.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    return 0;
}
