// SPDX-License-Identifier: MIT
#include "app/qt/form1.h"
#include "app/qt/opendisplay.h"
#include "app/qt/qtoptions.h"
#include "data/appicon.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    zelvan::ChooseQtStartOptions();
    const std::unique_ptr<QApplication> app = zelvan::OpenDisplay(argc, argv);
    zelvan::ChooseQtRunOptions();
    QApplication::setApplicationName("Zelvan");
    // The version and the id come from the build, as in the desktop entry and
    // the metainfo; the id lets the desktop match the window to its entry.
    QApplication::setApplicationVersion(ZELVAN_VERSION);
    QGuiApplication::setDesktopFileName(ZELVAN_APP_ID);

    zelvan::Form1 window;
    window.show();
    // The icon loads Qt's image plugins: the window need not wait for them.
    QApplication::setWindowIcon(zelvan::AppIcon());
    return QApplication::exec();
}
