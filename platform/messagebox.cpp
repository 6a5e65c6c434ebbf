// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace zelvan {

void QtMessageBox::Warning(const std::string &text, const std::string &title)
{
    // Not exec(): a box opened from a timer's tick would hold back that timer's
    // next ticks until closed, and the stopwatch must go on counting behind it.
    auto *box = new QMessageBox(QMessageBox::Warning, QString::fromStdString(title),
                                QString::fromStdString(text), QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setObjectName("warningBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

} // namespace zelvan
