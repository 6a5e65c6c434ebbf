// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zelvan {

// The program's texts are UTF-8; the window system's W functions take UTF-16.
std::wstring Widen(const std::string &utf8);
std::string Narrow(const std::wstring &utf16);

} // namespace zelvan
