// SPDX-License-Identifier: MIT
#pragma once

#include "flag.h"

#include <cstdint>
#include <string>

namespace zelvan {

class Surface;

// Offset of a hand's tip from the dial centre, in twips.
struct HandTip
{
    std::int16_t x = 0;
    std::int16_t y = 0;

    bool operator==(const HandTip &) const = default;
};

// The tips last drawn: the next refresh erases exactly these lines.
struct HandTips
{
    HandTip SecondTip;
    HandTip MinuteTip;
    HandTip AlarmTip;
};

// What the display shows.
struct DisplayState
{
    std::int32_t ElapsedSeconds = 0;
    std::string ElapsedText = "00:00:00";
    Flag AlarmEnabled = False;
    std::int16_t AlarmSeconds = 0;
};

// The main window as the display sees it.
class Readouts
{
public:
    virtual ~Readouts() = default;
    virtual bool IsMinimized() const = 0;
    virtual void SetReadoutText(const std::string &text) = 0;
    virtual void SetCaption(const std::string &caption) = 0;
};

inline constexpr const char *CaptionPrefix = "Zelvan - ";

// Brings every view of the count up to date: erases the hands last drawn, draws
// the alarm, second and minute hands, redraws the boss and the brand words, and
// shows the text in the readout and the caption. A minimised window only gets
// its caption, which keeps counting in the task bar.
void UpdateDisplay(Surface &picture, Readouts &window, const DisplayState &state, HandTips &tips);

} // namespace zelvan
