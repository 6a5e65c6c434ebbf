// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <memory>

namespace zelvan {

// Makes the application object, which opens the display. Where the display
// cannot be opened, Qt prints a paragraph advising to reinstall and aborts;
// instead the user reads one line naming the display, and the process ends
// with exit status 1. The same happens when the display server has not
// answered within 30 seconds. Messages Qt logs meanwhile are held back and
// shown once the display is open. `argc` must outlive the application, as Qt requires.
std::unique_ptr<QApplication> OpenDisplay(int &argc, char **argv);

} // namespace zelvan
