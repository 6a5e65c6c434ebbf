// SPDX-License-Identifier: MIT
// The alarm dialog's steps over fake controls: what it shows when it opens,
// what OK and Cancel hand back, and when it warns.
#include "alarm/alarmsetting.h"
#include "fakes.h"

#include <gtest/gtest.h>

namespace zelvan {
namespace {

using testing::FakeAlarmSettingView;

// One run of the dialog with the settings handed in; the user's actions run
// while it is open.
struct DialogRun
{
    DialogRun(Flag enabledIn, std::int16_t secondsIn,
              std::function<void(FakeAlarmSettingView &, AlarmSetting &)> user)
        : enabled(enabledIn), seconds(secondsIn)
    {
        AlarmSetting setting(view);
        view.user = [&](FakeAlarmSettingView &v) {
            shownChecked = v.checkBox;
            shownMinutes = v.minutes;
            user(v, setting);
            stillOpen = v.shown;
        };
        accepted = setting.CallAlarmSetting(enabled, seconds);
    }

    FakeAlarmSettingView view;
    Flag enabled;
    std::int16_t seconds;
    Flag accepted = False;
    int shownChecked = -1;
    std::string shownMinutes;
    bool stillOpen = false;
};

auto Enter(int box, std::string minutes)
{
    return [box, minutes](FakeAlarmSettingView &v, AlarmSetting &s) {
        v.checkBox = box;
        v.minutes = minutes;
        s.cmdOK_Click();
    };
}

TEST(AlarmSetting, ArmsChangesAndDisarmsKeepingTheLastTime)
{
    // First use: nothing ticked, no minutes shown.
    DialogRun first(False, 0, Enter(1, "5"));
    EXPECT_EQ(first.shownChecked, 0);
    EXPECT_EQ(first.shownMinutes, "");
    EXPECT_EQ(first.accepted, True);
    EXPECT_EQ(first.enabled, True);
    EXPECT_EQ(first.seconds, 300);
    EXPECT_FALSE(first.stillOpen);

    // Reopened armed at 5 minutes; cleared, the minutes typed go unread.
    DialogRun disarm(True, 300, Enter(0, "30"));
    EXPECT_EQ(disarm.shownChecked, 1);
    EXPECT_EQ(disarm.shownMinutes, "5");
    EXPECT_EQ(disarm.accepted, True);
    EXPECT_EQ(disarm.enabled, False);
    EXPECT_EQ(disarm.seconds, 300);

    // Seconds that are not whole minutes come back as the whole minutes shown.
    DialogRun odd(False, 330, Enter(0, ""));
    EXPECT_EQ(odd.shownMinutes, "5");
    EXPECT_EQ(odd.seconds, 300);
    EXPECT_TRUE(first.view.warnings.empty() && disarm.view.warnings.empty());
}

TEST(AlarmSetting, AcceptsOneToSixtyMinutesAfterRounding)
{
    const struct
    {
        const char *text;
        std::int16_t seconds;
    } cases[] = {{"60", 3600}, {"1", 60}, {" 7 ", 420}, {"2.5", 120}, {"59.6", 3600}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        DialogRun run(False, 600, Enter(1, c.text));
        EXPECT_EQ(run.accepted, True);
        EXPECT_EQ(run.enabled, True);
        EXPECT_EQ(run.seconds, c.seconds);
        EXPECT_TRUE(run.view.warnings.empty());
    }
}

TEST(AlarmSetting, WarnsUnderItsCaptionAndStaysOpenForOtherMinutes)
{
    for (const char *text : {"0", "61", "-3", "abc", "", "60.5000001", "5,5", "32767"}) {
        SCOPED_TRACE(text);
        DialogRun run(False, 300, [&](FakeAlarmSettingView &v, AlarmSetting &s) {
            Enter(1, text)(v, s);
            ASSERT_TRUE(v.shown);
            EXPECT_EQ(v.minutes, text);
            EXPECT_EQ(v.checkBox, 1);
            s.cmdOK_Click(); // again: warned again
            s.cmdCancel_Click();
        });
        ASSERT_EQ(run.view.warnings.size(), 2u);
        EXPECT_EQ(run.view.warnings[0].text, "Impostare un valore tra 1 e 60 minuti.");
        EXPECT_EQ(run.view.warnings[0].title, "Alarm Setting");
        EXPECT_EQ(run.accepted, False);
        EXPECT_EQ(run.enabled, False);
        EXPECT_EQ(run.seconds, 300);
    }
    // Corrected in the same run, it is accepted.
    DialogRun corrected(False, 300, [](FakeAlarmSettingView &v, AlarmSetting &s) {
        Enter(1, "61")(v, s);
        Enter(1, "10")(v, s);
    });
    EXPECT_EQ(corrected.view.warnings.size(), 1u);
    EXPECT_EQ(corrected.seconds, 600);
    // A refused value does not leak out when the box is then cleared.
    DialogRun cleared(True, 330, [](FakeAlarmSettingView &v, AlarmSetting &s) {
        Enter(1, "32767")(v, s);
        Enter(0, "32767")(v, s);
    });
    EXPECT_EQ(cleared.accepted, True);
    EXPECT_EQ(cleared.enabled, False);
    EXPECT_EQ(cleared.seconds, 300);
}

TEST(AlarmSetting, CancelAndAGreyedBoxArmNothing)
{
    // Cancelled after changing everything: both settings come back as they went in.
    DialogRun cancelled(True, 300, [](FakeAlarmSettingView &v, AlarmSetting &s) {
        v.checkBox = 0;
        v.minutes = "30";
        s.cmdCancel_Click();
    });
    EXPECT_EQ(cancelled.accepted, False);
    EXPECT_EQ(cancelled.enabled, True);
    EXPECT_EQ(cancelled.seconds, 300);
    EXPECT_FALSE(cancelled.stillOpen);
    // Closed some other way (Escape, the close box): the same.
    DialogRun closed(False, 300, [](FakeAlarmSettingView &v, AlarmSetting &) { v.checkBox = 1; });
    EXPECT_EQ(closed.accepted, False);
    EXPECT_EQ(closed.enabled, False);
    // Only code can grey the box, and a greyed box does not arm.
    DialogRun greyed(True, 300, Enter(2, "9"));
    EXPECT_EQ(greyed.accepted, True);
    EXPECT_EQ(greyed.enabled, False);
    EXPECT_EQ(greyed.seconds, 300);
}

// In Italian ',' is the decimal separator and '.' groups thousands.
TEST(AlarmSetting, ReadsTheMinutesWithTheLocalesSeparators)
{
    const auto italian = [](std::string text) {
        return [text](FakeAlarmSettingView &v, AlarmSetting &s) {
            v.separators = {',', "."};
            Enter(1, text)(v, s);
            if (v.shown)
                s.cmdCancel_Click();
        };
    };
    DialogRun comma(False, 0, italian("2,5"));
    EXPECT_EQ(comma.seconds, 120);
    for (const char *text : {"1.000", "1.5"}) {
        SCOPED_TRACE(text);
        DialogRun refused(False, 0, italian(text));
        EXPECT_EQ(refused.accepted, False);
        EXPECT_EQ(refused.view.warnings.size(), 1u);
    }
}

} // namespace
} // namespace zelvan
