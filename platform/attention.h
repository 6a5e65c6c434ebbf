// SPDX-License-Identifier: MIT
#pragma once

namespace zelvan {

// The desktop's way of drawing the user's eye to the program (a flashing or
// highlighted task bar entry).
class Attention
{
public:
    virtual ~Attention() = default;
    // Whether one of the program's windows (the main window, the alarm dialog,
    // a warning) is the one the user works in.
    virtual bool UserIsAtProgram() const = 0;
    // Asks for attention until the user comes to the program.
    virtual void Request() = 0;
};

} // namespace zelvan
