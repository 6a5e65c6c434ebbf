// SPDX-License-Identifier: MIT
#pragma once

#include "platform/sound.h"

#include <QtGlobal>

// The one function the sound module exports: a new player that the caller
// owns, or null when none could be made. The module and the program are built
// together, so they agree on SoundPlayer.
extern "C" Q_DECL_EXPORT zelvan::SoundPlayer *zelvan_create_sound_player() noexcept;

namespace zelvan {

using CreateSoundPlayer = decltype(&zelvan_create_sound_player);
inline constexpr char CreateSoundPlayerSymbol[] = "zelvan_create_sound_player";

} // namespace zelvan
