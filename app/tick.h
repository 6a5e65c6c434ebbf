// SPDX-License-Identifier: MIT
#pragma once

#include "platform/oledate.h"

#include <cstdint>
#include <string>

namespace zelvan {

// Adds the whole seconds between LastTick and now to the count and moves
// LastTick to now, so a late or early tick neither loses nor gains time.
void AccountElapsed(std::int32_t &ElapsedSeconds, OleDate &LastTick, OleDate now);

// The count as HH:MM:SS; the hours wrap at 24 while the count keeps growing.
std::string FormatElapsed(std::int32_t ElapsedSeconds);

} // namespace zelvan
