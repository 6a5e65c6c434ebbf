// SPDX-License-Identifier: MIT
// The executable's folder on Linux.
#include "platform/folders.h"

#include <system_error>

namespace zelvan {

std::filesystem::path ExecutableFolder()
{
    // The kernel's link to the executable, symbolic links already resolved.
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}

} // namespace zelvan
