// SPDX-License-Identifier: MIT
// The executable's folder on Windows. Not built or tested on the machines that
// build this program; kept so that a Windows port has its seam.
#include "platform/folders.h"

#include <windows.h>

namespace zelvan {

std::filesystem::path ExecutableFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        // A path that filled the buffer may have been cut short: try a larger one.
        if (n < path.size()) {
            path.resize(n);
            return std::filesystem::path(path).parent_path();
        }
        path.resize(path.size() * 2);
    }
}

} // namespace zelvan
