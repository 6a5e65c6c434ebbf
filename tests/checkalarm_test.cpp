// SPDX-License-Identifier: MIT
#include "alarm/checkalarm.h"
#include "alarm/soundpath.h"
#include "expectedchime.h"
#include "fakes.h"
#include "platform/files.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

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

const std::string Chime = testing::ExpectedChime("/opt/zelvan/share/zelvan");

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

TEST_F(CheckAlarmTest, FiresOnceTheCountHasReachedTheAlarmTime)
{
    const struct
    {
        const char *name;
        std::int32_t elapsed;
        std::int16_t alarm;
        bool fires;
    } rows[] = {
        {"a second early", 59, 60, false},
        {"on the second", 60, 60, true},
        {"a time already passed", 4000, 300, true},
        {"a negative time, behind any count", 0, -1, true},
        {"the largest time, not yet reached", 32766, 32767, false},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        AlarmEnabled = True;
        sound.played.clear();
        CheckAlarm(AlarmEnabled, row.elapsed, row.alarm, "Zelvan - 00:01:00", Outputs());
        EXPECT_EQ(AlarmEnabled, row.fires ? False : True);
        EXPECT_EQ(sound.played, row.fires ? std::vector{Chime} : std::vector<std::string>{});
    }
    // A sound that plays needs no message, then or later.
    sound.DeliverFailures();
    EXPECT_TRUE(messageBox.shown.empty());

    // Fired, it stays disarmed: later counts do nothing.
    AlarmEnabled = True;
    CheckAlarm(AlarmEnabled, 60, 60, "Zelvan - 00:01:00", Outputs());
    sound.played.clear();
    CheckAlarm(AlarmEnabled, 61, 60, "Zelvan - 00:01:01", Outputs());
    EXPECT_TRUE(sound.played.empty());
}

TEST_F(CheckAlarmTest, WarnsWhenTheChimeIsMissingAndIsDisarmedBeforeThat)
{
    chimePresent = false;
    std::vector<Flag> armedWhileOpen;
    // A tick behind the open warning checks the alarm again: it must not fire twice.
    messageBox.whileOpen = [&] {
        armedWhileOpen.push_back(AlarmEnabled);
        if (armedWhileOpen.size() == 1)
            CheckAlarm(AlarmEnabled, 301, 300, "Zelvan - 00:05:01", Outputs());
    };
    CheckAlarm(AlarmEnabled, 300, 300, "Zelvan - 00:05:00", Outputs());
    EXPECT_EQ(armedWhileOpen, std::vector<Flag>{False});
    EXPECT_TRUE(sound.played.empty());
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, "Tempo scaduto!");
    EXPECT_EQ(messageBox.shown[0].title, "Zelvan - 00:05:00");
    EXPECT_EQ(tested, std::vector<std::string>{Chime});
}

TEST_F(CheckAlarmTest, WarnsLaterWhenTheChimeCannotBePlayed)
{
    sound.fails = true;
    {
        // The caption of the moment it fired, though the window's has moved on.
        std::string caption = "Zelvan - 00:01:00";
        CheckAlarm(AlarmEnabled, 60, 60, caption, Outputs());
        caption = "Zelvan - 00:01:01";
    }
    EXPECT_EQ(AlarmEnabled, False);
    EXPECT_EQ(sound.played, std::vector{Chime});
    EXPECT_TRUE(messageBox.shown.empty()) << "the failure comes after the tick";
    sound.DeliverFailures();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, "Tempo scaduto!");
    EXPECT_EQ(messageBox.shown[0].title, "Zelvan - 00:01:00");
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
