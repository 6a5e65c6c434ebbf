// SPDX-License-Identifier: MIT
// Keeps the Win32 front-end library non-empty until its sources land.
namespace zelvan {
}
