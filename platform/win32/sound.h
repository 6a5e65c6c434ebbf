// SPDX-License-Identifier: MIT
#pragma once

#include "platform/sound.h"
#include "platform/win32/messagewindow.h"

namespace zelvan {

// The chime through sndPlaySoundA, which plays in the background and returns
// at once. It reports no missing audio output: with no device it still says
// it played, so the player asks waveOut first.
class WinmmSoundPlayer final : public SoundPlayer
{
public:
    void PlayAsync(const std::string &path, std::function<void()> onFailure) override;

private:
    MessageWindow m_queue;
};

} // namespace zelvan
