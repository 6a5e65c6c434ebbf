// SPDX-License-Identifier: MIT
#include "files.h"

#include <QCoreApplication>
#include <QDir>
#include <filesystem>
#include <system_error>

namespace zelvan {

bool IsNormalFile(const std::string &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

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
