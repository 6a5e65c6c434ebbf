// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace zelvan {

// Plays a sound file in the background.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    // Returns at once. When the sound cannot be played (no audio device, a file
    // that does not decode), onFailure runs later on the GUI thread, once.
    virtual void PlayAsync(const std::string &path, std::function<void()> onFailure) = 0;
};

} // namespace zelvan
