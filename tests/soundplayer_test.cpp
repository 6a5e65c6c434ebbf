// SPDX-License-Identifier: MIT
#include "platform/folders.h"
#include "platform/qt/lazysound.h"
#include "platform/qt/qtsound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

const std::string ShippedChime = ZELVAN_BUILD_DATA_DIR "/Media/TaDa.wav";

// A scratch folder, removed with the test.
struct ScratchFolder
{
    explicit ScratchFolder(const std::string &name)
        : path(std::filesystem::temp_directory_path() / name)
    {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
    std::string File(const std::string &name) const { return (path / name).string(); }

    std::filesystem::path path;
};

// Plays and waits until the sound has either started or failed.
struct Outcome
{
    int failures = 0;
    bool failed() const { return failures > 0; }
};

Outcome PlayAndWait(SoundPlayer &player, const std::string &path)
{
    Outcome outcome;
    player.PlayAsync(path, [&] { ++outcome.failures; });
    // The failure never comes during the call itself: the tick has to return first.
    EXPECT_EQ(outcome.failures, 0);
    static_cast<void>(QTest::qWaitFor([&] { return outcome.failed(); }, 5000));
    // Whatever else was queued by then has had its turn too.
    QTest::qWait(50);
    return outcome;
}

TEST(QtSoundPlayer, DecodesTheShippedChime)
{
    ASSERT_TRUE(std::filesystem::is_regular_file(ShippedChime)) << ShippedChime;
    QtSoundPlayer player;
    const Outcome outcome = PlayAndWait(player, ShippedChime);
    if (QMediaDevices::audioOutputs().isEmpty()) {
        // No sound card here: the chime decoded, and the missing device is what fails.
        EXPECT_TRUE(outcome.failed());
        EXPECT_EQ(player.LastFault(), SoundFault::NoAudioDevice);
    } else {
        EXPECT_FALSE(outcome.failed());
    }
}

TEST(QtSoundPlayer, ReportsAFileThatDoesNotDecode)
{
    const ScratchFolder folder("zelvan-sound-test");
    const std::string garbage = folder.File("garbage.wav");
    std::ofstream(garbage) << "this is not a sound";
    const std::string brokenRiff = folder.File("broken.wav");
    std::ofstream(brokenRiff, std::ios::binary) << std::string("RIFF\x10\0\0\0WAVEjunkjunk", 20);

    QtSoundPlayer player;
    for (const std::string &path : {garbage, brokenRiff}) {
        const Outcome outcome = PlayAndWait(player, path);
        EXPECT_EQ(outcome.failures, 1) << path;
        EXPECT_EQ(player.LastFault(), SoundFault::Undecodable) << path;
    }
}

TEST(QtSoundPlayer, ASecondAlarmWithTheSameChimeIsDecidedAgain)
{
    QtSoundPlayer player;
    const Outcome first = PlayAndWait(player, ShippedChime);
    const SoundFault firstFault = player.LastFault();
    const Outcome second = PlayAndWait(player, ShippedChime);
    EXPECT_EQ(first.failures, second.failures);
    EXPECT_EQ(firstFault, player.LastFault());
}

TEST(LazySoundPlayer, LooksForTheModuleWhereTheBuildPutsIt)
{
    // The tests run from the build tree's bin/, laid out as an installed tree.
    std::error_code error;
    EXPECT_TRUE(std::filesystem::equivalent(ProgramModuleFolder(), ZELVAN_BUILD_MODULE_DIR, error))
        << ProgramModuleFolder() << " is not " << ZELVAN_BUILD_MODULE_DIR;
}

TEST(LazySoundPlayer, PlaysTheShippedChimeAsTheQtPlayerDoes)
{
    LazySoundPlayer lazy;
    const Outcome throughModule = PlayAndWait(lazy, ShippedChime);
    EXPECT_EQ(lazy.LoadError(), "");
    QtSoundPlayer direct;
    EXPECT_EQ(throughModule.failures, PlayAndWait(direct, ShippedChime).failures);
}

TEST(LazySoundPlayer, ReportsAFileThatDoesNotDecodeOnceForEachSound)
{
    const ScratchFolder folder("zelvan-lazy-sound-test");
    const std::string garbage = folder.File("garbage.wav");
    std::ofstream(garbage) << "this is not a sound";

    LazySoundPlayer player(ZELVAN_BUILD_MODULE_DIR);
    EXPECT_EQ(PlayAndWait(player, garbage).failures, 1);
    EXPECT_EQ(PlayAndWait(player, folder.File("missing.wav")).failures, 1);
    EXPECT_EQ(player.LoadError(), "");
}

TEST(LazySoundPlayer, WithoutTheModuleEverySoundFailsOnceAfterTheCall)
{
    LazySoundPlayer player("/nonexistent/zelvan/modules");
    EXPECT_EQ(PlayAndWait(player, ShippedChime).failures, 1);
    EXPECT_NE(player.LoadError(), "");
    EXPECT_EQ(PlayAndWait(player, ShippedChime).failures, 1);
}

TEST(LazySoundPlayer, AModuleThatDoesNotLoadFailsTheSound)
{
    // What is left of a module whose libraries are missing or which is damaged.
    const ScratchFolder folder("zelvan-broken-module-test");
    std::ofstream(folder.File(ZELVAN_SOUND_MODULE_FILE)) << "not a library";

    LazySoundPlayer player(folder.path.string());
    EXPECT_EQ(PlayAndWait(player, ShippedChime).failures, 1);
    EXPECT_NE(player.LoadError(), "");
}

TEST(LazySoundPlayer, AModuleWithoutTheFactoryFailsTheSound)
{
    LazySoundPlayer player(ZELVAN_MODULE_WITHOUT_FACTORY_DIR);
    EXPECT_EQ(PlayAndWait(player, ShippedChime).failures, 1);
    EXPECT_NE(player.LoadError().find("zelvan_create_sound_player"), std::string::npos)
        << player.LoadError();
}

TEST(LazySoundPlayer, AFailureStillQueuedWhenThePlayerGoesIsDropped)
{
    int failures = 0;
    {
        LazySoundPlayer player("/nonexistent/zelvan/modules");
        player.PlayAsync(ShippedChime, [&] { ++failures; });
    }
    QTest::qWait(50);
    EXPECT_EQ(failures, 0);
}

} // namespace
} // namespace zelvan
