// SPDX-License-Identifier: MIT
#include "data/appicon.h"

#include <QSize>
#include <QString>

namespace zelvan {

QIcon AppIcon()
{
    QIcon icon;
    // Each size is drawn separately, so listing them all keeps Qt from scaling
    // one image where a hand-drawn one exists.
    for (int size : {ZELVAN_ICON_SIZES}) {
        icon.addFile(QStringLiteral(":/zelvan/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace zelvan
