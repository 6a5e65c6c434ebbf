// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace zelvan {

// The dial icon in every drawn size, read from resources compiled into the
// program so that it shows even when run straight from the build tree.
QIcon AppIcon();

} // namespace zelvan
