// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan::testing {

// Where the alarm must look for its chime on this system, given the folder
// that stands in for the Windows directory where there is none.
std::string ExpectedChime(const std::string &standInFolder);

} // namespace zelvan::testing
