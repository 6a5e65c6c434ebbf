// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class QWidget;

namespace zelvan {

// Modal warnings: a text, the exclamation icon, one OK button and a title.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // Shows the box and returns at once: the box keeps the rest of the program
    // from the user until closed, but timers keep ticking behind it.
    virtual void Warning(const std::string &text, const std::string &title) = 0;
};

// An application-modal QMessageBox owned by the program's topmost window: the
// open dialog or box, else the main window.
class QtMessageBox final : public MessageBox
{
public:
    // mainWindow owns the boxes when no dialog is open; it must outlive this.
    explicit QtMessageBox(QWidget *mainWindow = nullptr) : m_mainWindow(mainWindow) {}

    void Warning(const std::string &text, const std::string &title) override;

private:
    QWidget *m_mainWindow;
};

} // namespace zelvan
