// SPDX-License-Identifier: MIT
#pragma once

#include "platform/messagebox.h"

class QWidget;

namespace zelvan {

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
