// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace zelvan {

// The folder that holds the running executable. Each system answers this its
// own way (folders_linux.cpp, folders_windows.cpp).
std::filesystem::path ExecutableFolder();

// The program's own data folder: share/zelvan beside the folder that holds the
// executable, the same in the build tree and in an installed tree.
std::string ProgramDataFolder();

// The folder of the program's loadable modules (lib/zelvan in the usual layout),
// placed relative to the executable's folder as an install places it.
std::string ProgramModuleFolder();

} // namespace zelvan
