// SPDX-License-Identifier: MIT
#include "alarm/soundpath.h"

#include <algorithm>

namespace zelvan {

std::string WindowsSoundPath(const char *buffer, std::size_t bufferSize, std::size_t n)
{
    return std::string(buffer, std::min(n, bufferSize)) + "\\Media\\" + SoundFileName;
}

std::string SoundPathUnder(const std::string &folder)
{
    return folder + "/Media/" + SoundFileName;
}

} // namespace zelvan
