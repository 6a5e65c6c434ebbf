// SPDX-License-Identifier: MIT
#pragma once

#include "platform/messagebox.h"

namespace zelvan {

// An application-modal QMessageBox over the active window.
class QtMessageBox final : public MessageBox
{
public:
    void Warning(const std::string &text, const std::string &title) override;
};

} // namespace zelvan
