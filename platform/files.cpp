// SPDX-License-Identifier: MIT
#include "platform/files.h"

#include <filesystem>
#include <system_error>

namespace zelvan {

bool IsNormalFile(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

} // namespace zelvan
