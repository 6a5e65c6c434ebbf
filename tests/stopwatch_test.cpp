// SPDX-License-Identifier: MIT
// The main window's behaviour over fakes: the run control, the ticks, the
// pauses, Reset, the alarm through the dialog and the order of the drawing.
#include "app/stopwatch.h"
#include "expectedchime.h"
#include "fakes.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

using namespace zelvan::testing;

constexpr Colour Red = Rgb(255, 0, 0);
constexpr Colour Ring = Rgb(176, 176, 0);

class StopwatchTest : public ::testing::Test, protected StopwatchFakes
{
protected:
    StopwatchTest() { watch.Form_Load(); }

    // Clicks cmdStart; the timer's first tick is then due when it says.
    void Click()
    {
        watch.cmdStart_Click();
        if (timer.Enabled())
            m_untilTick = timer.firstMilliseconds / 1000.0;
    }

    // Lets time pass; while running, the timer ticks whenever a tick is due.
    void Pass(double seconds)
    {
        while (timer.Enabled() && m_untilTick <= seconds + 1e-9) {
            clock.Advance(m_untilTick);
            seconds -= m_untilTick;
            timer.Tick();
            m_untilTick = 1;
        }
        clock.Advance(seconds);
        m_untilTick -= seconds;
    }

    // The count, the readout and the caption all read this.
    void ExpectShown(const std::string &text)
    {
        EXPECT_EQ(watch.ElapsedText(), text);
        EXPECT_EQ(window.readout, text);
        EXPECT_EQ(window.caption, "Zelvan - " + text);
    }

    // A red line from the centre: the alarm hand (the red marks stand on the ring).
    static bool IsAlarmHand(const DrawOp &op)
    {
        return op.kind == DrawOp::Line && op.colour == Red && op.x1 == 1147 && op.y1 == 1147;
    }
    bool DrewAlarmHand() const
    {
        return std::any_of(picture.ops.begin(), picture.ops.end(), IsAlarmHand);
    }

    FakeClock clock;
    FakeTimer timer;
    RecordingSurface picture;
    Stopwatch watch{Parts(clock, timer, picture)};
    double m_untilTick = 1;
};

TEST_F(StopwatchTest, StartStopsAndContinuesAndTimeSpentStoppedIsNotCounted)
{
    ExpectShown("00:00:00");
    EXPECT_EQ(cmdStart.caption, "Start");
    EXPECT_FALSE(timer.Enabled());
    Click();
    EXPECT_EQ(cmdStart.caption, "Stop");
    EXPECT_TRUE(timer.Enabled());
    Pass(5);
    ExpectShown("00:00:05");
    Click();
    EXPECT_EQ(cmdStart.caption, "Continue");
    EXPECT_FALSE(timer.Enabled());
    Pass(10);
    timer.Tick(); // stopped, a stray tick changes nothing
    ExpectShown("00:00:05");
    Click();
    EXPECT_EQ(cmdStart.caption, "Stop");
    Pass(5);
    EXPECT_EQ(watch.ElapsedSeconds(), 10);
    ExpectShown("00:00:10");
    watch.Form_Unload();
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(StopwatchTest, LateAndDoubledTicksKeepTheCountOnTheClock)
{
    Click();
    clock.Advance(2); // one tick went missing
    timer.Tick();
    ExpectShown("00:00:02");
    clock.Advance(0.2);
    timer.Tick(); // a second tick in the same clock second
    ExpectShown("00:00:02");
    clock.Advance(0.75); // early, yet past the middle of the second
    timer.Tick();
    ExpectShown("00:00:03");
}

// The part of a second run before a Stop is counted after Continue, and the
// pauses themselves change nothing shown.
TEST_F(StopwatchTest, PausesKeepThePartOfASecondRunBeforeThem)
{
    Click();
    for (int i = 0; i < 10; ++i) {
        Pass(0.3);
        const std::vector<DrawOp> drawn = picture.ops;
        Click();
        Pass(7);
        Click();
        EXPECT_EQ(picture.ops.size(), drawn.size());
    }
    ExpectShown("00:00:03");
    // Stopped just before a tick, the first tick after Continue comes at once.
    Pass(2.999);
    ExpectShown("00:00:05");
    Click();
    Click();
    EXPECT_EQ(timer.firstMilliseconds, 1);
    Pass(0.001);
    ExpectShown("00:00:06");
    // Stopped just after one, it comes when the second is complete.
    Pass(0.002);
    Click();
    Click();
    EXPECT_EQ(timer.firstMilliseconds, 998);
    Pass(0.997);
    ExpectShown("00:00:06");
    Pass(0.001);
    ExpectShown("00:00:07");
}

TEST_F(StopwatchTest, ResetZeroesTheCountInEveryState)
{
    // Ready: it stays ready and the count starts normally afterwards.
    clock.Advance(20);
    watch.ResetCount();
    ExpectShown("00:00:00");
    EXPECT_EQ(cmdStart.caption, "Start");
    EXPECT_FALSE(timer.Enabled());
    Click();
    Pass(75);
    ExpectShown("00:01:15");

    // Running, in the middle of a second: it keeps running, and the next tick
    // is a whole second away and adds one.
    Pass(0.4);
    watch.ResetCount();
    ExpectShown("00:00:00");
    EXPECT_EQ(cmdStart.caption, "Stop");
    EXPECT_EQ(watch.Running(), True);
    EXPECT_EQ(timer.firstMilliseconds, 1000);
    Pass(1);
    ExpectShown("00:00:01");

    // Paused, with part of a second carried: Continue becomes Start, the carry
    // goes, and the time until the next click is not counted.
    Pass(2.7);
    Click();
    watch.ResetCount();
    ExpectShown("00:00:00");
    EXPECT_EQ(cmdStart.caption, "Start");
    EXPECT_EQ(watch.Running(), False);
    Pass(10);
    Click();
    EXPECT_EQ(cmdStart.caption, "Stop");
    EXPECT_EQ(timer.firstMilliseconds, 1000);
    Pass(0.9);
    ExpectShown("00:00:00");
    Pass(2.1);
    ExpectShown("00:00:03");
}

TEST_F(StopwatchTest, TheDialogArmsChangesAndDisarmsAndTheHandFollowsAtOnce)
{
    dialog.WillEnter(true, "5");
    watch.cmdSetAlert_Click();
    EXPECT_EQ(dialog.shownCheckBox, 0);
    EXPECT_EQ(watch.AlarmEnabled(), True);
    EXPECT_EQ(watch.AlarmSeconds(), 300);
    // Stopped, so no tick will come to draw it: the dial is painted now.
    EXPECT_TRUE(DrewAlarmHand());

    picture.ops.clear();
    dialog.WillEnter(true, "20");
    watch.cmdSetAlert_Click();
    EXPECT_EQ(dialog.shownMinutes, "5");
    EXPECT_EQ(watch.AlarmSeconds(), 1200);
    EXPECT_TRUE(DrewAlarmHand());

    // Cancel applies nothing, whatever was changed, and draws nothing.
    picture.ops.clear();
    dialog.user = [](FakeAlarmSettingView &v, AlarmSetting &s) {
        v.checkBox = 0;
        v.minutes = "7";
        s.cmdCancel_Click();
    };
    watch.cmdSetAlert_Click();
    EXPECT_EQ(watch.AlarmEnabled(), True);
    EXPECT_EQ(watch.AlarmSeconds(), 1200);
    EXPECT_TRUE(picture.ops.empty());

    // Disarmed, the time stays for the next run; the hand goes.
    picture.ops.clear();
    dialog.WillEnter(false, "30");
    watch.cmdSetAlert_Click();
    EXPECT_EQ(watch.AlarmEnabled(), False);
    EXPECT_EQ(watch.AlarmSeconds(), 1200);
    EXPECT_FALSE(DrewAlarmHand());
    EXPECT_FALSE(picture.ops.empty());
    dialog.user = nullptr;
    watch.cmdSetAlert_Click();
    EXPECT_EQ(dialog.shownCheckBox, 0);
    EXPECT_EQ(dialog.shownMinutes, "20");
    EXPECT_EQ(dialog.runs, 5);

    // Minimised, nothing is drawn.
    window.minimized = true;
    picture.ops.clear();
    dialog.WillEnter(true, "5");
    watch.cmdSetAlert_Click();
    EXPECT_TRUE(picture.ops.empty());
}

// It fires once, on the tick that reaches it, after that tick's display.
TEST_F(StopwatchTest, TheAlarmFiresOnceOnTheTickThatReachesIt)
{
    dialog.WillEnter(true, "1");
    watch.cmdSetAlert_Click();
    Click();
    Pass(59);
    EXPECT_TRUE(sound.played.empty());
    EXPECT_EQ(attention.requests, 0);
    Pass(1);
    ASSERT_EQ(sound.played.size(), 1u);
    EXPECT_EQ(sound.played[0], testing::ExpectedChime("/share/zelvan"));
    EXPECT_EQ(chimeLookedFor, sound.played[0]);
    EXPECT_EQ(watch.AlarmEnabled(), False);
    EXPECT_EQ(attention.requests, 1);
    Pass(60);
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_TRUE(messageBox.shown.empty());
    // The next run of the dialog shows it disarmed, with its minutes.
    dialog.user = nullptr;
    watch.cmdSetAlert_Click();
    EXPECT_EQ(dialog.shownCheckBox, 0);
    EXPECT_EQ(dialog.shownMinutes, "1");
}

TEST_F(StopwatchTest, WithoutTheChimeTheAlarmWarnsUnderTheCaptionOfItsTick)
{
    chimeExists = false;
    attention.userIsHere = true;
    dialog.WillEnter(true, "1");
    watch.cmdSetAlert_Click();
    Click();
    // Ticks go on behind the open warning and do not fire it again.
    messageBox.whileOpen = [this] {
        clock.Advance(1);
        timer.Tick();
    };
    Pass(60);
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, "Tempo scaduto!");
    EXPECT_EQ(messageBox.shown[0].title, "Zelvan - 00:01:00");
    EXPECT_EQ(window.caption, "Zelvan - 00:01:01");
    EXPECT_TRUE(sound.played.empty());
    // The user was at the program: nothing to flash.
    EXPECT_EQ(attention.requests, 0);

    // A chime that cannot be played warns too, later, under the same caption.
    chimeExists = true;
    sound.fails = true;
    messageBox.whileOpen = nullptr;
    messageBox.shown.clear();
    dialog.WillEnter(true, "2");
    watch.cmdSetAlert_Click();
    Pass(59);
    EXPECT_EQ(sound.played.size(), 1u);
    Pass(1);
    sound.DeliverFailures();
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].title, "Zelvan - 00:02:00");
}

// A repaint draws the face, then the hands and the words over it.
TEST_F(StopwatchTest, APaintDrawsTheFaceUnderTheHands)
{
    dialog.WillEnter(true, "5");
    watch.cmdSetAlert_Click();
    Click();
    Pass(3);
    picture.ops.clear();
    watch.Picture1_Paint();
    ASSERT_GE(picture.ops.size(), 4u);
    EXPECT_EQ(picture.ops[0].kind, DrawOp::Circle);
    EXPECT_EQ(picture.ops[0].colour, Ring);
    std::size_t lastMark = 0, firstRed = 0;
    for (std::size_t i = 0; i < picture.ops.size(); ++i) {
        if (picture.ops[i].kind == DrawOp::Print && picture.ops[i].text == " 60 ")
            lastMark = i;
        if (IsAlarmHand(picture.ops[i]) && firstRed == 0)
            firstRed = i;
    }
    EXPECT_GT(lastMark, 0u);
    EXPECT_GT(firstRed, lastMark) << "the alarm hand is drawn before the face is complete";
    EXPECT_EQ(picture.ops.back().text, "Zelvan");
    ExpectShown("00:00:03");
}

// A timer whose ticks are due a whole second apart from when it starts, as the
// real one's are, and arrive up to 0.15 s early or late.
class JitteryTimer final : public Timer
{
public:
    explicit JitteryTimer(FakeClock &clock) : m_clock(clock) {}
    void SetEnabled(bool enabled) override
    {
        if (enabled && !m_enabled)
            EnableAfter(1000);
        m_enabled = enabled;
    }
    void EnableAfter(int firstMilliseconds) override
    {
        m_started = m_clock.Seconds() + firstMilliseconds / 1000.0 - 1;
        m_ticks = 0;
        m_enabled = true;
    }

    // Lets time run to the next tick, late on odd ticks and early on even ones.
    void NextTick()
    {
        ++m_ticks;
        MoveTo(m_started + m_ticks + (m_ticks % 2 != 0 ? 0.15 : -0.15));
        if (m_enabled)
            Fire();
    }
    // Lets time run to the given fraction of the interval after the last tick was due.
    void WaitUntil(double fraction) { MoveTo(m_started + m_ticks + fraction); }

private:
    void MoveTo(double seconds) { m_clock.Advance(seconds - m_clock.Seconds()); }

    FakeClock &m_clock;
    double m_started = 0;
    int m_ticks = 0;
    bool m_enabled = false;
};

TEST(StopwatchCadence, EveryTickAfterAResetWhileRunningAddsOneSecond)
{
    FakeClock clock;
    clock.Advance(1000.3);
    JitteryTimer timer(clock);
    RecordingSurface picture;
    StopwatchFakes fakes;
    const FakeReadouts &window = fakes.window;
    Stopwatch watch(fakes.Parts(clock, timer, picture));
    watch.Form_Load();
    watch.cmdStart_Click();
    // Early in a second, on the clock's boundary, and late in it.
    for (double fraction : {0.2, 0.35, 0.5, 0.65, 0.8}) {
        SCOPED_TRACE(fraction);
        for (int i = 0; i < 3; ++i)
            timer.NextTick();
        ASSERT_NE(window.readout, "00:00:00");
        timer.WaitUntil(fraction);
        watch.ResetCount();
        ASSERT_EQ(window.readout, "00:00:00");
        for (int second = 1; second <= 4; ++second) {
            timer.NextTick();
            EXPECT_EQ(window.readout, "00:00:0" + std::to_string(second));
        }
    }
}

} // namespace
} // namespace zelvan
