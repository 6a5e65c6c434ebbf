// SPDX-License-Identifier: MIT
#include "platform/qt/lazysound.h"
#include "platform/qt/qtsound.h"

#include <QAudioDevice>
#include <QCoreApplication>
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
    // Whatever else was queued by then has its turn too: a second failure would show.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return outcome;
}

// The shipped chime decodes, so only a missing audio device stops it; the
// expectation comes from the machine, not from another player that could fail
// the same way.
void ExpectTheChimeOutcome(const Outcome &outcome)
{
    EXPECT_EQ(outcome.failures, QMediaDevices::audioOutputs().isEmpty() ? 1 : 0);
}

void ExpectTheChimeFault(SoundFault fault)
{
    EXPECT_EQ(fault, QMediaDevices::audioOutputs().isEmpty() ? SoundFault::NoAudioDevice
                                                             : SoundFault::None);
}

// A second alarm with the same chime is decided afresh, the same way.
TEST(QtSoundPlayer, DecodesTheShippedChimeAtEveryAlarm)
{
    ASSERT_TRUE(std::filesystem::is_regular_file(ShippedChime)) << ShippedChime;
    QtSoundPlayer player;
    for (const char *alarm : {"first", "second"}) {
        SCOPED_TRACE(alarm);
        ExpectTheChimeOutcome(PlayAndWait(player, ShippedChime));
        ExpectTheChimeFault(player.LastFault());
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

TEST(LazySoundPlayer, PlaysTheShippedChimeThroughTheModule)
{
    // From the program's own module folder: the tests run from the build tree's
    // bin/, laid out as an installed tree.
    LazySoundPlayer lazy;
    ExpectTheChimeOutcome(PlayAndWait(lazy, ShippedChime));
    EXPECT_EQ(lazy.LoadError(), "");
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
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(failures, 0);
}

} // namespace
} // namespace zelvan
