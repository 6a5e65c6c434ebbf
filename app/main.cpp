// SPDX-License-Identifier: MIT
#include "appicon.h"
#include "display.h"
#include "form1.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (const std::string missing = zelvan::MissingDisplayReason(); !missing.empty()) {
        std::fprintf(stderr, "zelvan: %s\n", missing.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(zelvan::AppIcon());
    QApplication::setApplicationName("Zelvan");
    QApplication::setApplicationVersion("1.00");

    zelvan::Form1 window;
    window.show();
    return QApplication::exec();
}
