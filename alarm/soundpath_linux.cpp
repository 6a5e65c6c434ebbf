// SPDX-License-Identifier: MIT
// Where the chime lives on Linux: the program's own data folder stands in for
// the Windows directory.
#include "alarm/soundpath.h"

namespace zelvan {

std::string SystemSoundPath(const std::string &standInFolder)
{
    return SoundPathUnder(standInFolder);
}

} // namespace zelvan
