// SPDX-License-Identifier: MIT
#include "surface.h"

namespace zelvan {

std::string Surface::PrintedNumber(long n)
{
    return (n < 0 ? std::string() : std::string(" ")) + std::to_string(n) + " ";
}

} // namespace zelvan
