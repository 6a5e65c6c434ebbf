// SPDX-License-Identifier: MIT
#include "alarm/soundpath.h"

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zelvan {

std::string WindowsSoundPath(const char *buffer, std::size_t bufferSize, std::size_t n)
{
    return std::string(buffer, std::min(n, bufferSize)) + "\\Media\\" + SoundFileName;
}

std::string SoundPathUnder(const std::string &folder)
{
    return folder + "/Media/" + SoundFileName;
}

std::string SystemSoundPath([[maybe_unused]] const std::string &standInFolder)
{
#ifdef _WIN32
    char buffer[254] = {};
    const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
    return WindowsSoundPath(buffer, sizeof buffer, n);
#else
    return SoundPathUnder(standInFolder);
#endif
}

} // namespace zelvan
