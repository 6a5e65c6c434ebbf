// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zelvan {

// Date-times are OLE Automation dates: days since 30 December 1899 as a double,
// the fraction being the time of day (read without its sign for negative values).
using OleDate = double;

inline constexpr double SecondsPerDay = 86400.0;
// 1 January 1970 as an OLE date.
inline constexpr double UnixEpochOleDate = 25569.0;

// Whole seconds in a difference of two dates: the whole days of its magnitude
// as 86,400 seconds each plus its time of day rounded to the nearest second.
std::int64_t WholeSecondsIn(OleDate difference);

} // namespace zelvan
