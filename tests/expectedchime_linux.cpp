// SPDX-License-Identifier: MIT
#include "expectedchime.h"

namespace zelvan::testing {

std::string ExpectedChime(const std::string &standInFolder)
{
    return standInFolder + "/Media/TaDa.wav";
}

} // namespace zelvan::testing
