// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan {

// The program's own data folder: share/zelvan beside the folder that holds the
// executable, the same in the build tree and in an installed tree.
std::string ProgramDataFolder();

// The folder of the program's loadable modules (lib/zelvan in the usual layout),
// placed relative to the executable's folder as an install places it.
std::string ProgramModuleFolder();

} // namespace zelvan
