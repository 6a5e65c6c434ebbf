// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan {

// A command button as the program drives it: only its caption changes.
class Button
{
public:
    virtual ~Button() = default;
    // Sets the caption and repaints the button at once, before the handler returns.
    virtual void SetCaption(const std::string &caption) = 0;
};

} // namespace zelvan
