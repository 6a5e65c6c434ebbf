// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace zelvan {

// Reads an environment variable; empty when unset.
using EnvironmentReader = std::function<std::string(const char *name)>;

std::string ReadEnvironment(const char *name);

// What the user reads when the display cannot be opened: one line naming the
// display, as the environment gave it to the window system, and what to do.
std::string DisplayFailureLine(const EnvironmentReader &env = ReadEnvironment);

} // namespace zelvan
