// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan {

// Modal warnings: a text, the exclamation icon, one OK button and a title.
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    // Returns when the user has closed the box.
    virtual void Warning(const std::string &text, const std::string &title) = 0;
};

// A QMessageBox over the active window.
class QtMessageBox final : public MessageBox
{
public:
    void Warning(const std::string &text, const std::string &title) override;
};

} // namespace zelvan
