// SPDX-License-Identifier: MIT
#include "platform/win32/files.h"

#include "platform/win32/winapi.h"

namespace zelvan {

bool IsNormalWindowsFile(const std::string &path)
{
    // The path comes from GetWindowsDirectoryA and goes on to sndPlaySoundA:
    // it stays in the code page those two use.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    constexpr DWORD NotNormal =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & NotNormal) == 0;
}

} // namespace zelvan
