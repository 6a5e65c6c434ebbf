// SPDX-License-Identifier: MIT
#pragma once

#include "platform/sound.h"

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

// Plays sounds through Qt Multimedia. It is built into the sound module, which
// LazySoundPlayer loads on the first alarm; the effect itself, and with it the
// audio output, is made on the first sound.
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
