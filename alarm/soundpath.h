// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>

namespace zelvan {

// The chime lives in the Media folder of the Windows directory, or of the
// folder that stands in for it elsewhere.
inline constexpr const char *SoundFileName = "TaDa.wav";

// The path from what GetWindowsDirectoryA wrote into its buffer and returned:
// the first n characters (the whole buffer when n is larger, as it is when the
// buffer was too small), then "\Media\" and the file name.
std::string WindowsSoundPath(const char *buffer, std::size_t bufferSize, std::size_t n);

// The same path under a folder that stands in for the Windows directory.
std::string SoundPathUnder(const std::string &folder);

// Where the alarm looks for its sound on this system.
std::string SystemSoundPath(const std::string &standInFolder);

} // namespace zelvan
