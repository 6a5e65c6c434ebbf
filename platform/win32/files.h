// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan {

// Whether a normal file is at path (in the ANSI code page): directories and
// hidden or system files do not count.
bool IsNormalWindowsFile(const std::string &path);

} // namespace zelvan
