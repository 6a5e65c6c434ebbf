// SPDX-License-Identifier: MIT
#pragma once

#include "dial/hands.h"
#include "platform/flag.h"

#include <cstdint>
#include <string>

namespace zelvan {

class Readouts;
class Surface;

// What the display shows. The window fills in the text from the count.
struct DisplayState
{
    std::int32_t ElapsedSeconds = 0;
    std::string ElapsedText;
    Flag AlarmEnabled = False;
    std::int16_t AlarmSeconds = 0;
};

inline constexpr const char *CaptionPrefix = "Zelvan - ";

// Brings every view of the count up to date: erases the hands last drawn, draws
// the alarm, second and minute hands, redraws the boss and the brand words, and
// shows the text in the readout and the caption. A minimised window only gets
// its caption, which keeps counting in the task bar.
void UpdateDisplay(Surface &picture, Readouts &window, const DisplayState &state, HandTips &tips);

} // namespace zelvan
