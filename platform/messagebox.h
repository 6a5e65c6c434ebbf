// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan {

// Modal warnings: a text, the exclamation icon, one OK button and a title.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // Shows the box and returns at once: the box keeps the rest of the program
    // from the user until closed, but timers keep ticking behind it.
    virtual void Warning(const std::string &text, const std::string &title) = 0;
};

} // namespace zelvan
