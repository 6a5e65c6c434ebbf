// SPDX-License-Identifier: MIT
#pragma once

namespace zelvan {

// Qt's defaults suit large applications. A small window that changes once a
// second for hours, and must cost nothing while it waits, runs cheaper with a
// few of them changed. A user's own setting of the same variables wins.

// Call before the QApplication is made.
void ChooseQtStartOptions();
// Call once the QApplication exists.
void ChooseQtRunOptions();

} // namespace zelvan
