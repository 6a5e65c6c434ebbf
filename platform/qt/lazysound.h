// SPDX-License-Identifier: MIT
#pragma once

#include "platform/sound.h"

#include <QLibrary>
#include <QObject>
#include <memory>

namespace zelvan {

// Plays sounds through the sound module, loaded on the first sound: a stopwatch
// that never rings never loads Qt Multimedia and the many libraries behind it.
// Without a usable module every sound fails the usual way, through onFailure.
class LazySoundPlayer final : public SoundPlayer
{
public:
    // Looks for the module in the program's own module folder.
    LazySoundPlayer();
    explicit LazySoundPlayer(std::string moduleFolder);
    ~LazySoundPlayer() override;

    void PlayAsync(const std::string &path, std::function<void()> onFailure) override;

    // Why the module cannot play anything; empty until loading it has failed.
    const std::string &LoadError() const { return m_loadError; }

private:
    void Load();

    std::string m_moduleFolder;
    bool m_loadTried = false;
    std::string m_loadError;
    QObject m_context; // ends queued failures with the player
    // Stays loaded to the end of the process (QLibrary unloads only when told
    // to): the player it made is destroyed while its code is still there.
    QLibrary m_module;
    std::unique_ptr<SoundPlayer> m_player;
};

} // namespace zelvan
