// SPDX-License-Identifier: MIT
#include "platform/qt/soundmodule.h"

#include "platform/qt/qtsound.h"

#include <new>

zelvan::SoundPlayer *zelvan_create_sound_player() noexcept
{
    // No exception may leave through a C function into the program that loaded us.
    try {
        return new zelvan::QtSoundPlayer();
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
}
