// SPDX-License-Identifier: MIT
#pragma once

namespace zelvan {

// Qt's defaults suit large applications. A small window that changes once a
// second for hours, and must cost nothing while it waits, runs cheaper with a
// few of them changed. Each variable is set only when the environment does
// not have it already (Qt reads QT_NO_GLIB= empty as "use GLib"; any value of
// QT_XCB_NO_MITSHM turns shared memory off).

// Call before the QApplication is made.
void ChooseQtStartOptions();
// Call once the QApplication exists.
void ChooseQtRunOptions();

} // namespace zelvan
