// SPDX-License-Identifier: MIT
#include "fakes.h"
#include "form1.h"
#include "picturebox.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

using testing::FakeClock;
using testing::FakeMessageBox;
using testing::FakeSoundPlayer;
using testing::FakeTimer;

class Form1Test : public ::testing::Test
{
protected:
    Form1Test() : form({&clock, &timer, &messageBox, &sound, {}}) {}

    QPushButton &cmdStart() { return *form.findChild<QPushButton *>("cmdStart"); }
    QString Text1() { return form.findChild<QLineEdit *>("Text1")->text(); }
    PictureBox &Picture1() { return *form.findChild<PictureBox *>("Picture1"); }

    void Show()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Lets the given number of seconds pass, one tick a second.
    void Run(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            clock.Advance(1);
            timer.Tick();
        }
    }

    FakeClock clock;
    FakeTimer timer;
    FakeMessageBox messageBox;
    FakeSoundPlayer sound;
    Form1 form;
};

TEST_F(Form1Test, OpensReadyAtZero)
{
    EXPECT_EQ(form.windowTitle(), "Zelvan - 00:00:00");
    EXPECT_EQ(Text1(), "00:00:00");
    EXPECT_EQ(cmdStart().text(), "Start");
    EXPECT_EQ(form.findChild<QPushButton *>("cmdSetAlert")->text(), "Alarm...");
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(form.size(), QSize(185, 241)); // 2775 x 3615 twips at 96 dpi
}

TEST_F(Form1Test, StartStopsAndContinues)
{
    cmdStart().click();
    EXPECT_EQ(cmdStart().text(), "Stop");
    EXPECT_TRUE(timer.Enabled());
    cmdStart().click();
    EXPECT_EQ(cmdStart().text(), "Continue");
    EXPECT_FALSE(timer.Enabled());
    cmdStart().click();
    EXPECT_EQ(cmdStart().text(), "Stop");
    EXPECT_TRUE(timer.Enabled());
}

TEST_F(Form1Test, TimeSpentStoppedIsNotCounted)
{
    Show();
    cmdStart().click();
    Run(5);
    cmdStart().click();
    clock.Advance(10); // stopped: no ticks arrive
    timer.Tick();
    cmdStart().click();
    Run(5);
    EXPECT_EQ(form.ElapsedSeconds(), 10);
    EXPECT_EQ(Text1(), "00:00:10");
    EXPECT_EQ(form.windowTitle(), "Zelvan - 00:00:10");
}

TEST_F(Form1Test, LateAndDoubledTicksKeepTheCountOnTheClock)
{
    cmdStart().click();
    clock.Advance(2); // one tick went missing
    timer.Tick();
    EXPECT_EQ(Text1(), "00:00:02");
    timer.Tick(); // a second tick in the same clock second
    EXPECT_EQ(Text1(), "00:00:02");
    Run(3597);
    EXPECT_EQ(Text1(), "00:59:59");
    Run(1);
    EXPECT_EQ(Text1(), "01:00:00");
}

TEST_F(Form1Test, EnterClicksStart)
{
    Show();
    form.findChild<QLineEdit *>("Text1")->setFocus();
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(cmdStart().text(), "Stop");
    QTest::keyClick(&form, Qt::Key_Enter);
    EXPECT_EQ(cmdStart().text(), "Continue");
    cmdStart().setFocus();
    QTest::keyClick(&cmdStart(), Qt::Key_Return);
    EXPECT_EQ(cmdStart().text(), "Stop");
    QTest::keyClick(&cmdStart(), Qt::Key_Space);
    EXPECT_EQ(cmdStart().text(), "Continue");
}

TEST_F(Form1Test, ClosingWhileRunningStopsTheTimer)
{
    Show();
    cmdStart().click();
    ASSERT_TRUE(timer.Enabled());
    form.close();
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(Form1Test, MinimisedWindowKeepsCountingInItsCaption)
{
    Show();
    cmdStart().click();
    Run(3);
    form.showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.isMinimized(); }));
    Run(2);
    EXPECT_EQ(form.windowTitle(), "Zelvan - 00:00:05");
    EXPECT_EQ(Text1(), "00:00:03");
    form.showNormal();
    Run(1);
    EXPECT_EQ(Text1(), "00:00:06");
}

// Canvas pixels: logical twips at 15 to the pixel, times the device-pixel ratio.
class CanvasTest : public Form1Test
{
protected:
    QColor PixelAtTwips(double x, double y)
    {
        const QImage &canvas = Picture1().Canvas();
        const double k = canvas.devicePixelRatio() / 15.0;
        return canvas.pixelColor(static_cast<int>(x * k), static_cast<int>(y * k));
    }

    // True when some pixel within a pixel of the point has the colour.
    bool ColourNear(double x, double y, QColor colour)
    {
        const QImage &canvas = Picture1().Canvas();
        const double k = canvas.devicePixelRatio() / 15.0;
        const int px = static_cast<int>(x * k);
        const int py = static_cast<int>(y * k);
        const int reach = static_cast<int>(canvas.devicePixelRatio());
        for (int dx = -reach; dx <= reach; ++dx)
            for (int dy = -reach; dy <= reach; ++dy)
                if (canvas.pixelColor(px + dx, py + dy) == colour)
                    return true;
        return false;
    }

    static constexpr double C = 1147;
    static constexpr double R = 1136;
};

TEST_F(CanvasTest, IsSizedForTheScreen)
{
    Show();
    const QImage &canvas = Picture1().Canvas();
    EXPECT_EQ(canvas.size(), QSize(153, 153) * Picture1().devicePixelRatioF());
    EXPECT_EQ(canvas.devicePixelRatio(), Picture1().devicePixelRatioF());
    // Run again under QT_SCALE_FACTOR=2, the canvas must really be at double scale.
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    if (!scale.isEmpty()) {
        EXPECT_EQ(canvas.devicePixelRatio(), scale.toDouble());
    }
}

TEST_F(CanvasTest, ShowsTheDialFaceUnderTheHands)
{
    Show();
    const double pi = std::acos(-1.0);
    // The olive ring between the numerals 60 and 5.
    EXPECT_TRUE(ColourNear(C + 0.9 * R * std::sin(pi / 12), C - 0.9 * R * std::cos(pi / 12),
                           QColor(176, 176, 0)));
    // The white face, and the red mark at the top.
    EXPECT_EQ(PixelAtTwips(C - 0.75 * R, C - 0.2 * R), Qt::white);
    EXPECT_TRUE(ColourNear(C, C - 0.75 * R, Qt::red));
    // The hands and the boss over the face.
    EXPECT_TRUE(ColourNear(C, C - 0.65 * R, Qt::black));
    EXPECT_TRUE(ColourNear(C, C - 0.3 * R, Qt::black));
}

TEST_F(CanvasTest, MovesTheSecondHandAndLeavesNoTrace)
{
    Show();
    // At 0 s only the second hand reaches 0.65 of the radius straight up.
    EXPECT_TRUE(ColourNear(C, C - 0.65 * R, Qt::black));
    cmdStart().click();
    Run(15);
    EXPECT_FALSE(ColourNear(C, C - 0.65 * R, Qt::black));
    EXPECT_TRUE(ColourNear(C, C - 0.65 * R, Qt::white));
    EXPECT_TRUE(ColourNear(C + 0.65 * R, C, Qt::black));
}

TEST_F(CanvasTest, ARepaintBringsBackFaceAndHands)
{
    Show();
    cmdStart().click();
    Run(15);
    // Paint over the canvas behind the widget's back; a repaint must restore it all.
    const_cast<QImage &>(Picture1().Canvas()).fill(Qt::green);
    Picture1().Refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return PixelAtTwips(C, C - 0.9 * R) != Qt::green; }));
    EXPECT_TRUE(ColourNear(C + 0.65 * R, C, Qt::black));
    EXPECT_EQ(PixelAtTwips(C - 0.75 * R, C - 0.2 * R), Qt::white);
    const_cast<QImage &>(Picture1().Canvas()).fill(Qt::green);
    form.hide();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(50);
    EXPECT_TRUE(ColourNear(C + 0.65 * R, C, Qt::black));
    EXPECT_EQ(PixelAtTwips(C - 0.75 * R, C - 0.2 * R), Qt::white);
}

} // namespace
} // namespace zelvan
