// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace zelvan {

void QtMessageBox::Warning(const std::string &text, const std::string &title)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName("warningBox");
    box.exec();
}

} // namespace zelvan
