// SPDX-License-Identifier: MIT
#include "platform/qt/controls.h"

#include "platform/qt/windowmanager.h"

#include <QApplication>
#include <QPushButton>

namespace zelvan {

void QtButton::SetCaption(const std::string &caption)
{
    m_button.setText(QString::fromStdString(caption));
    m_button.repaint();
}

bool QtAttention::UserIsAtProgram() const
{
    // The main window, the alarm dialog or a warning: any of them active means
    // the user is here.
    return QApplication::activeWindow() != nullptr;
}

void QtAttention::Request()
{
    // The request clears when the user comes to the window.
    AskForAttention(m_window);
}

} // namespace zelvan
