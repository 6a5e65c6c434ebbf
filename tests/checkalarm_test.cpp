// SPDX-License-Identifier: MIT
#include "alarm/checkalarm.h"
#include "alarm/soundpath.h"
#include "fakes.h"
#include "platform/files.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

using testing::FakeMessageBox;
using testing::FakeSoundPlayer;

class CheckAlarmTest : public ::testing::Test
{
protected:
    AlarmOutputs Outputs()
    {
        return {messageBox, sound,
                [this](const std::string &path) {
                    tested.push_back(path);
                    return chimePresent;
                },
                "/opt/zelvan/share/zelvan",
                [this] { attention.push_back(messageBox.shown.size() + sound.played.size()); }};
    }

    FakeMessageBox messageBox;
    FakeSoundPlayer sound;
    std::vector<std::string> tested;
    bool chimePresent = true;
    Flag AlarmEnabled = True;
    // One entry per request for attention: how many warnings and chimes had
    // gone out before it.
    std::vector<std::size_t> attention;
};

TEST_F(CheckAlarmTest, AsksForAttentionOnceBeforeSoundingOrWarning)
{
    for (const bool present : {true, false}) {
        SCOPED_TRACE(present ? "chime present" : "chime missing");
        chimePresent = present;
        AlarmEnabled = True;
        attention.clear();
        messageBox.shown.clear();
        sound.played.clear();
        CheckAlarm(AlarmEnabled, 59, 60, "Zelvan - 00:00:59", Outputs());
        EXPECT_TRUE(attention.empty()) << "not before the alarm time";
        CheckAlarm(AlarmEnabled, 60, 60, "Zelvan - 00:01:00", Outputs());
        EXPECT_EQ(attention, std::vector<std::size_t>{0}) << "once, before the chime or warning";
        EXPECT_EQ(messageBox.shown.size() + sound.played.size(), 1u);
        CheckAlarm(AlarmEnabled, 61, 60, "Zelvan - 00:01:01", Outputs());
        EXPECT_EQ(attention.size(), 1u) << "not again once disarmed";
    }
}

TEST_F(CheckAlarmTest, FiresOnceTheCountReachesTheAlarmTime)
{
    CheckAlarm(AlarmEnabled, 59, 60, "Zelvan - 00:00:59", Outputs());
    EXPECT_EQ(AlarmEnabled, True);
    EXPECT_TRUE(sound.played.empty());

    CheckAlarm(AlarmEnabled, 60, 60, "Zelvan - 00:01:00", Outputs());
    EXPECT_EQ(AlarmEnabled, False);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], "/opt/zelvan/share/zelvan/Media/TaDa.wav");
    EXPECT_TRUE(messageBox.shown.empty()) << "a sound that plays shows no message";

    // Disarmed: later counts do nothing.
    CheckAlarm(AlarmEnabled, 61, 60, "Zelvan - 00:01:01", Outputs());
    EXPECT_EQ(sound.played.size(), 1u);
}

TEST_F(CheckAlarmTest, FiresAtOnceForATimeAlreadyPassed)
{
    CheckAlarm(AlarmEnabled, 4000, 300, "Zelvan - 01:06:40", Outputs());
    EXPECT_EQ(AlarmEnabled, False);
    EXPECT_EQ(sound.played.size(), 1u);
}

TEST_F(CheckAlarmTest, ComparesWithTheAlarmTimeAsASignedValue)
{
    // A negative alarm time is behind any count.
    CheckAlarm(AlarmEnabled, 0, -1, "Zelvan - 00:00:00", Outputs());
    EXPECT_EQ(AlarmEnabled, False);
    AlarmEnabled = True;
    // The largest 16-bit time is not yet reached by a count just below it.
    CheckAlarm(AlarmEnabled, 32766, 32767, "Zelvan - 09:06:06", Outputs());
    EXPECT_EQ(AlarmEnabled, True);
}

TEST_F(CheckAlarmTest, WarnsWhenTheChimeIsMissing)
{
    chimePresent = false;
    CheckAlarm(AlarmEnabled, 300, 300, "Zelvan - 00:05:00", Outputs());
    EXPECT_TRUE(sound.played.empty());
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, "Tempo scaduto!");
    EXPECT_EQ(messageBox.shown[0].title, "Zelvan - 00:05:00");
    EXPECT_EQ(tested, std::vector<std::string>{"/opt/zelvan/share/zelvan/Media/TaDa.wav"});
}

TEST_F(CheckAlarmTest, WarnsWhenTheChimeCannotBePlayed)
{
    sound.fails = true;
    CheckAlarm(AlarmEnabled, 60, 60, "Zelvan - 00:01:00", Outputs());
    EXPECT_EQ(sound.played.size(), 1u);
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, "Tempo scaduto!");
    EXPECT_EQ(messageBox.shown[0].title, "Zelvan - 00:01:00");
}

TEST_F(CheckAlarmTest, ATickBehindTheOpenWarningDoesNotFireAgain)
{
    chimePresent = false;
    int checksWhileOpen = 0;
    messageBox.whileOpen = [&] {
        ++checksWhileOpen;
        CheckAlarm(AlarmEnabled, 61, 60, "Zelvan - 00:01:01", Outputs());
    };
    CheckAlarm(AlarmEnabled, 60, 60, "Zelvan - 00:01:00", Outputs());
    EXPECT_EQ(checksWhileOpen, 1);
    EXPECT_EQ(messageBox.shown.size(), 1u);
}

TEST(SoundPath, FollowsTheWindowsDirectory)
{
    char buffer[254] = {};
    std::strcpy(buffer, "C:\\WINDOWS");
    EXPECT_EQ(WindowsSoundPath(buffer, sizeof buffer, 10), "C:\\WINDOWS\\Media\\TaDa.wav");
    // A length beyond the buffer (the directory did not fit) takes the whole buffer.
    const std::string clamped = WindowsSoundPath(buffer, sizeof buffer, 300);
    EXPECT_EQ(clamped.size(), 254u + std::strlen("\\Media\\TaDa.wav"));
    EXPECT_EQ(clamped.substr(0, 10), "C:\\WINDOWS");
    EXPECT_EQ(SoundPathUnder("/usr/share/zelvan"), "/usr/share/zelvan/Media/TaDa.wav");
}

TEST(IsNormalFile, TakesRegularFilesOnly)
{
    const auto folder = std::filesystem::temp_directory_path() / "zelvan-isnormalfile-test";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "Media" / "TaDa.wav");
    std::ofstream(folder / "chime.wav") << "RIFF";
    EXPECT_FALSE(IsNormalFile((folder / "Media" / "TaDa.wav").string())) << "a directory";
    EXPECT_TRUE(IsNormalFile((folder / "chime.wav").string()));
    EXPECT_FALSE(IsNormalFile((folder / "missing.wav").string()));
    EXPECT_FALSE(IsNormalFile(""));
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace zelvan
