// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Requests to the window manager that Qt makes only by destroying and making
// anew the native window, or not at all. Each window system has a file of its
// own; each request returns false where the window system running takes no
// such request, and the caller falls back on what Qt offers.
namespace zelvan::native {

// Asks for a top-level window to be kept above the others, or no longer, as
// it is. The caller keeps Qt's own flag in step: a window not shown yet takes
// its state from that flag as it maps.
bool RequestKeptAbove(QWidget &window, bool above);

// Sets or clears the urgency hint that task bars and window managers read.
bool SetUrgencyHint(QWidget &window, bool urgent);

} // namespace zelvan::native
