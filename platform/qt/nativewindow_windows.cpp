// SPDX-License-Identifier: MIT
// Windows: nothing beyond what Qt offers.
#include "platform/qt/nativewindow.h"

namespace zelvan::native {

bool RequestKeptAbove(QWidget &, bool)
{
    return false;
}

bool SetUrgencyHint(QWidget &, bool)
{
    return false;
}

} // namespace zelvan::native
