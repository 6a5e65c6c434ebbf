// SPDX-License-Identifier: MIT
#include "platform/qt/folders.h"

#include <QCoreApplication>
#include <QDir>

namespace zelvan {

std::string ProgramDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/zelvan")
        .toStdString();
}

std::string ProgramModuleFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/" ZELVAN_MODULE_DIR_FROM_BIN))
        .toStdString();
}

} // namespace zelvan
