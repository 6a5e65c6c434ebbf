// SPDX-License-Identifier: MIT
#include "qtsound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

const std::string ShippedChime = ZELVAN_BUILD_DATA_DIR "/Media/TaDa.wav";

// Plays and waits until the sound has either started or failed.
struct Outcome
{
    bool failed = false;
    SoundFault fault = SoundFault::None;
};

Outcome PlayAndWait(QtSoundPlayer &player, const std::string &path)
{
    Outcome outcome;
    player.PlayAsync(path, [&] { outcome.failed = true; });
    // The failure never comes during the call itself: the tick has to return first.
    EXPECT_FALSE(outcome.failed);
    static_cast<void>(QTest::qWaitFor([&] { return outcome.failed; }, 5000));
    outcome.fault = player.LastFault();
    return outcome;
}

TEST(QtSoundPlayer, DecodesTheShippedChime)
{
    ASSERT_TRUE(std::filesystem::is_regular_file(ShippedChime)) << ShippedChime;
    QtSoundPlayer player;
    const Outcome outcome = PlayAndWait(player, ShippedChime);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        // No sound card here: the chime decoded, and the missing device is what fails.
        EXPECT_TRUE(outcome.failed);
        EXPECT_EQ(outcome.fault, SoundFault::NoAudioDevice);
    } else {
        EXPECT_FALSE(outcome.failed);
    }
}

TEST(QtSoundPlayer, ReportsAFileThatDoesNotDecode)
{
    const auto folder = std::filesystem::temp_directory_path() / "zelvan-sound-test";
    std::filesystem::create_directories(folder);
    const std::string garbage = (folder / "garbage.wav").string();
    std::ofstream(garbage) << "this is not a sound";
    const std::string brokenRiff = (folder / "broken.wav").string();
    std::ofstream(brokenRiff, std::ios::binary) << std::string("RIFF\x10\0\0\0WAVEjunkjunk", 20);

    QtSoundPlayer player;
    for (const std::string &path : {garbage, brokenRiff}) {
        const Outcome outcome = PlayAndWait(player, path);
        EXPECT_TRUE(outcome.failed) << path;
        EXPECT_EQ(outcome.fault, SoundFault::Undecodable) << path;
    }
    std::filesystem::remove_all(folder);
}

TEST(QtSoundPlayer, ASecondAlarmWithTheSameChimeIsDecidedAgain)
{
    QtSoundPlayer player;
    const Outcome first = PlayAndWait(player, ShippedChime);
    const Outcome second = PlayAndWait(player, ShippedChime);
    EXPECT_EQ(first.failed, second.failed);
    EXPECT_EQ(first.fault, second.fault);
}

} // namespace
} // namespace zelvan
