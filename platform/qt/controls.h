// SPDX-License-Identifier: MIT
#pragma once

#include "platform/attention.h"
#include "platform/button.h"

class QPushButton;
class QWidget;

namespace zelvan {

// A push button whose caption the program sets.
class QtButton final : public Button
{
public:
    explicit QtButton(QPushButton &button) : m_button(button) {}
    void SetCaption(const std::string &caption) override;

private:
    QPushButton &m_button;
};

// The desktop's request for attention for a window (QApplication::alert).
class QtAttention final : public Attention
{
public:
    explicit QtAttention(QWidget &window) : m_window(window) {}
    bool UserIsAtProgram() const override;
    void Request() override;

private:
    QWidget &m_window;
};

} // namespace zelvan
