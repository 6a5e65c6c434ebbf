// SPDX-License-Identifier: MIT
#include "platform/surface.h"

namespace zelvan {

std::string Surface::PrintedNumber(long n)
{
    std::string printed(n < 0 ? "" : " ");
    printed += std::to_string(n);
    printed += ' ';
    return printed;
}

} // namespace zelvan
