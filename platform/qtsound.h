// SPDX-License-Identifier: MIT
#pragma once

#include "sound.h"

#include <QObject>
#include <QTimer>
#include <memory>

class QSoundEffect;

namespace zelvan {

// Why the last sound did not play.
enum class SoundFault
{
    None,
    NoAudioDevice,
    Undecodable
};

// Plays sounds through Qt Multimedia. The audio stack is loaded on the first
// sound only, so a stopwatch that never rings never pays for it.
class QtSoundPlayer final : public SoundPlayer
{
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void PlayAsync(const std::string &path, std::function<void()> onFailure) override;

    SoundFault LastFault() const { return m_lastFault; }

private:
    void StatusChanged();
    void Fail(SoundFault fault);

    QObject m_context; // ends queued calls and connections with the player
    QTimer m_loadDeadline;
    std::unique_ptr<QSoundEffect> m_effect;
    std::function<void()> m_onFailure;
    SoundFault m_lastFault = SoundFault::None;
};

} // namespace zelvan
