// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan {

// True for a regular file (or a link to one); directories and other entries do not count.
bool IsNormalFile(const std::string &path);

} // namespace zelvan
