// SPDX-License-Identifier: MIT
// Stop and Continue on the window: the part of a second run before a Stop is
// counted after Continue, and the pauses themselves change nothing on screen.
#include "app/qt/form1.h"
#include "eventually.h"
#include "fakes.h"
#include "platform/qt/picturebox.h"
#include "platform/qt/readoutbox.h"
#include "platform/qt/timer.h"

#include <QAction>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

using testing::FakeClock;
using testing::FakeMessageBox;
using testing::FakeSoundPlayer;
using testing::FakeTimer;

class PauseTest : public ::testing::Test
{
protected:
    PauseTest() : form({&clock, &timer, &messageBox, &sound, {}})
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    QPushButton &cmdStart() { return *form.findChild<QPushButton *>("cmdStart"); }
    QString Text1() { return form.findChild<ReadoutBox *>("Text1")->text(); }
    QImage Dial() { return form.findChild<PictureBox *>("Picture1")->Canvas(); }

    // Clicks cmdStart; the timer's first tick is then due when it says.
    void Click()
    {
        cmdStart().click();
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

    // Stops, waits stopped, and continues, checking that neither click changes
    // the count, its text, the caption or the dial.
    void Pause(double seconds)
    {
        const std::int32_t count = form.ElapsedSeconds();
        const QString text = Text1();
        const QString caption = form.windowTitle();
        const QImage dial = Dial();
        Click();
        ASSERT_EQ(cmdStart().text(), "Continue");
        Pass(seconds);
        Click();
        ASSERT_EQ(cmdStart().text(), "Stop");
        EXPECT_EQ(form.ElapsedSeconds(), count);
        EXPECT_EQ(Text1(), text);
        EXPECT_EQ(form.windowTitle(), caption);
        EXPECT_EQ(Dial(), dial);
    }

    FakeClock clock;
    FakeTimer timer;
    FakeMessageBox messageBox;
    FakeSoundPlayer sound;
    Form1 form;
    double m_untilTick = 1;
};

TEST_F(PauseTest, TenRunsOfAFewTenthsOfASecondAddUp)
{
    Click();
    for (int run = 1; run <= 10; ++run) {
        Pass(0.85);
        if (run < 10)
            Pause(30);
    }
    Click();
    // 8.5 s of running.
    EXPECT_EQ(form.ElapsedSeconds(), 8);
    EXPECT_EQ(Text1(), "00:00:08");
    EXPECT_EQ(form.windowTitle(), "Zelvan - 00:00:08");
}

TEST_F(PauseTest, TheFirstTickAfterContinueComesWhenTheSecondIsCompleteAndAddsOne)
{
    Click();
    Pass(2.999); // stopped just before a tick
    EXPECT_EQ(Text1(), "00:00:02");
    Pause(5);
    EXPECT_EQ(timer.firstMilliseconds, 1);
    Pass(0.001);
    EXPECT_EQ(Text1(), "00:00:03");
    Pass(1.002); // stopped just after a tick
    EXPECT_EQ(Text1(), "00:00:04");
    Pause(5);
    EXPECT_EQ(timer.firstMilliseconds, 998);
    Pass(0.997);
    EXPECT_EQ(Text1(), "00:00:04");
    Pass(0.001);
    EXPECT_EQ(Text1(), "00:00:05");
    Pass(1);
    EXPECT_EQ(Text1(), "00:00:06");
}

TEST_F(PauseTest, StopAndContinueWithinOneSecond)
{
    Click();
    Pass(0.4);
    Pause(0.1);
    Pass(0.3);
    Pause(0.05);
    EXPECT_EQ(Text1(), "00:00:00");
    Pass(0.3); // 1 s of running, 1.15 s since Start
    EXPECT_EQ(Text1(), "00:00:01");
}

TEST_F(PauseTest, ResetDropsTheCarriedPartOfASecond)
{
    Click();
    Pass(3.7);
    Click();
    QAction &reset = *form.actions().at(0);
    ASSERT_EQ(reset.text(), "Reset");
    reset.trigger();
    EXPECT_EQ(cmdStart().text(), "Start");
    Click();
    EXPECT_EQ(timer.firstMilliseconds, 1000);
    Pass(0.9);
    EXPECT_EQ(Text1(), "00:00:00");
    Pass(0.1);
    EXPECT_EQ(Text1(), "00:00:01");
}

TEST(QtTimerTest, TheFirstTickComesAfterItsOwnDelay)
{
    // An interval far longer than the test: only the shortened first tick can arrive.
    QtTimer timer(3'600'000);
    int ticks = 0;
    timer.SetHandler([&] { ++ticks; });
    timer.EnableAfter(20);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EVENTUALLY_EQ(ticks, 1);
    EXPECT_TRUE(timer.Enabled());
}

TEST(QtTimerTest, TheTicksAfterTheFirstComeAtTheInterval)
{
    QtTimer timer(300);
    // Precise: a coarse timer may be 5 % off, and the readout would stutter.
    EXPECT_EQ(timer.TimerType(), Qt::PreciseTimer);
    int ticks = 0;
    timer.SetHandler([&] { ++ticks; });
    QElapsedTimer clock;
    clock.start();
    timer.EnableAfter(0);
    ASSERT_EVENTUALLY_TRUE(ticks >= 3);
    // The first tick at once, two more a whole interval apart (a busy machine
    // only makes them later).
    EXPECT_GE(clock.elapsed(), 590);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Enabled());
}

} // namespace
} // namespace zelvan
