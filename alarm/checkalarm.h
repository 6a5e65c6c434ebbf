// SPDX-License-Identifier: MIT
#pragma once

#include "platform/flag.h"

#include <cstdint>
#include <functional>
#include <string>

namespace zelvan {

class MessageBox;
class SoundPlayer;

inline constexpr const char *TimeUpMessage = "Tempo scaduto!";

// How the alarm makes itself heard.
struct AlarmOutputs
{
    MessageBox &messageBox;
    SoundPlayer &sound;
    std::function<bool(const std::string &)> isNormalFile;
    // Stands in for the Windows directory where there is none.
    std::string soundFolder;
    // Asks the desktop to draw the user's eye to the window (a flashing task
    // bar entry), so a chime missed or a warning behind other windows is found.
    std::function<void()> askAttention;
};

// Fires the armed alarm once the count has reached its time: disarms it first,
// so it fires once, asks for the user's attention, then plays the chime in the
// background or, when there is no chime to play or it cannot be played, shows
// "Tempo scaduto!" under the window's caption of that moment.
void CheckAlarm(Flag &AlarmEnabled, std::int32_t ElapsedSeconds, std::int16_t AlarmSeconds,
                const std::string &caption, const AlarmOutputs &outputs);

} // namespace zelvan
