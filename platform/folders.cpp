// SPDX-License-Identifier: MIT
#include "platform/folders.h"

namespace zelvan {

std::string ProgramDataFolder()
{
    return (ExecutableFolder() / "../share/zelvan").lexically_normal().string();
}

std::string ProgramModuleFolder()
{
    return (ExecutableFolder() / ZELVAN_MODULE_DIR_FROM_BIN).lexically_normal().string();
}

} // namespace zelvan
