// SPDX-License-Identifier: MIT
#include "expectedchime.h"

#include <cstdlib>

namespace zelvan::testing {

// The real Windows directory, whatever stands in for it; read from the
// environment rather than GetWindowsDirectoryA, which the code under test calls.
std::string ExpectedChime(const std::string & /*standInFolder*/)
{
    const char *root = std::getenv("SystemRoot");
    return std::string(root ? root : "") + "\\Media\\TaDa.wav";
}

} // namespace zelvan::testing
