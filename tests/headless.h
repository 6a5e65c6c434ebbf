// SPDX-License-Identifier: MIT
#pragma once

#include <QDir>
#include <QFile>
#include <QtGlobal>

namespace zelvan::testing {

// Widgets, fonts and painting all work headless on Qt's offscreen platform,
// with the same raster engine as a real window. Qt also wants a private
// runtime folder; a test run without a session gets one of its own. Call
// before the QApplication is made; what the environment sets already stays.
inline void UseOffscreenQt(const char *runtimeFolderName)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString runtime = QDir::temp().filePath(runtimeFolderName);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
}

} // namespace zelvan::testing
