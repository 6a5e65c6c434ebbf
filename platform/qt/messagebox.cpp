// SPDX-License-Identifier: MIT
#include "platform/qt/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace zelvan {

void QtMessageBox::Warning(const std::string &text, const std::string &title)
{
    // Not exec(): a box opened from a timer's tick would hold back that timer's
    // next ticks until closed, and the stopwatch must go on counting behind it.
    QWidget *owner = QApplication::activeWindow();
    auto *box = new QMessageBox(QMessageBox::Warning, QString::fromStdString(title),
                                QString::fromStdString(text), QMessageBox::Ok, owner);
    box->setObjectName("warningBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // Give the keyboard back to the window the box came from; without a window
    // manager to do it, typing would otherwise go nowhere.
    if (owner)
        QObject::connect(box, &QMessageBox::finished, owner, [owner] { owner->activateWindow(); });
    box->show();
}

} // namespace zelvan
