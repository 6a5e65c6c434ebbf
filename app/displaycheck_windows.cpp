// SPDX-License-Identifier: MIT
// Not built or tested on the machines that build this program.
#include "app/displaycheck.h"

namespace zelvan {

// A Windows session always has its desktop: there is nothing to check.
std::string MissingDisplayReason()
{
    return {};
}

} // namespace zelvan
