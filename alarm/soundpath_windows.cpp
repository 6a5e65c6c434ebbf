// SPDX-License-Identifier: MIT
// Where the chime lives on Windows: the Media folder of the Windows directory.
// Not built or tested on the machines that build this program; kept so that a
// Windows port has its seam.
#include "alarm/soundpath.h"

#include <windows.h>

namespace zelvan {

// The stand-in folder is not needed where the Windows directory is real; it
// stays unnamed so that the unused parameter draws no warning.
std::string SystemSoundPath(const std::string & /*standInFolder*/)
{
    char buffer[254] = {};
    const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
    return WindowsSoundPath(buffer, sizeof buffer, n);
}

} // namespace zelvan
