// SPDX-License-Identifier: MIT
#include "platform/win32/sound.h"

#include <mmsystem.h>

namespace zelvan {

void WinmmSoundPlayer::PlayAsync(const std::string &path, std::function<void()> onFailure)
{
    // The path is in the ANSI code page, as GetWindowsDirectoryA gave it.
    const bool played = waveOutGetNumDevs() > 0 && sndPlaySoundA(path.c_str(), SND_ASYNC);
    if (!played && onFailure)
        m_queue.Post(std::move(onFailure));
}

} // namespace zelvan
