// SPDX-License-Identifier: MIT
#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Zelvan");
    QApplication::setApplicationVersion("1.00");

    zelvan::Form1 window;
    window.show();
    return QApplication::exec();
}
