// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan {

// Without a display Qt prints a paragraph about platform plugins and aborts.
// This tells the user in one line instead: empty when a display looks
// reachable, otherwise what is missing and what to do.
std::string MissingDisplayReason();

} // namespace zelvan
