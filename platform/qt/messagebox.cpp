// SPDX-License-Identifier: MIT
#include "platform/qt/messagebox.h"

#include "platform/qt/windowmanager.h"

#include <QApplication>
#include <QMessageBox>

namespace zelvan {

void QtMessageBox::Warning(const std::string &text, const std::string &title)
{
    // The box is owned by the program's topmost window, not by whichever window
    // happens to be active: when another program has the keyboard there is no
    // active window of ours, and an ownerless box opened beneath a main window
    // kept on top, invisible yet holding the keyboard. An owned box is kept
    // above its owner by the window manager. A modal dialog or box that is open
    // cannot close before this box does, since this one blocks it.
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = m_mainWindow ? m_mainWindow->window() : QApplication::activeWindow();
    auto *box = new QMessageBox(QMessageBox::Warning, QString::fromStdString(title),
                                QString::fromStdString(text), QMessageBox::Ok, owner);
    box->setObjectName("warningBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    // Over a window that stays on top, the box must stay on top too.
    if (owner && StaysOnTop(*owner))
        box->setWindowFlag(Qt::WindowStaysOnTopHint);
    // Give the keyboard back to the window the box came from; without a window
    // manager to do it, typing would otherwise go nowhere.
    if (owner)
        QObject::connect(box, &QMessageBox::finished, owner, [owner] { owner->activateWindow(); });
    // With another program at the keyboard, keys meant for it would close the
    // box unseen: it shows without the keyboard, and the user comes to it (the
    // alarm has asked the task bar for attention). At one of our windows, the
    // box takes the keyboard at once.
    if (QApplication::activeWindow())
        box->show();
    else
        ShowWithoutTakingTheKeyboard(*box);
}

} // namespace zelvan
