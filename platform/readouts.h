// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan {

// The main window as the display sees it.
class Readouts
{
public:
    virtual ~Readouts() = default;
    virtual bool IsMinimized() const = 0;
    virtual void SetReadoutText(const std::string &text) = 0;
    virtual void SetCaption(const std::string &caption) = 0;
};

} // namespace zelvan
