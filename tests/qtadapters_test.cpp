// SPDX-License-Identifier: MIT
// The Qt implementations of the stopwatch's small interfaces.
#include "eventually.h"
#include "platform/qt/controls.h"
#include "platform/qt/timer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

TEST(QtTimerTest, TheFirstTickComesAfterItsOwnDelay)
{
    // An interval far longer than the test: only the shortened first tick can arrive.
    QObject owner;
    QtTimer timer(3'600'000, &owner);
    const QTimer &behind = *owner.findChild<QTimer *>();
    int ticks = 0;
    timer.SetHandler([&] { ++ticks; });
    timer.EnableAfter(20);
    EXPECT_TRUE(behind.isActive());
    EXPECT_EVENTUALLY_EQ(ticks, 1);
    EXPECT_TRUE(behind.isActive());
    EXPECT_EQ(behind.interval(), 3'600'000);
}

TEST(QtTimerTest, TheTicksAfterTheFirstComeAtTheInterval)
{
    QObject owner;
    QtTimer timer(300, &owner);
    const QTimer &behind = *owner.findChild<QTimer *>();
    // Precise: a coarse timer may be 5 % off, and the readout would stutter.
    EXPECT_EQ(behind.timerType(), Qt::PreciseTimer);
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
    EXPECT_FALSE(behind.isActive());
    timer.SetEnabled(true);
    EXPECT_TRUE(behind.isActive());
}

TEST(QtControlsTest, TheButtonShowsItsCaptionAtOnce)
{
    QPushButton button("Start");
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    const QImage before = button.grab().toImage();
    QtButton(button).SetCaption("Continue");
    EXPECT_EQ(button.text(), "Continue");
    EXPECT_NE(button.grab().toImage(), before);
}

TEST(QtControlsTest, TheUserIsAtTheProgramWhileOneOfItsWindowsIsActive)
{
    QWidget window;
    QtAttention attention(window);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(attention.UserIsAtProgram());
    QWidget other(&window, Qt::Window);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(attention.UserIsAtProgram());
    // Another program has the keyboard.
    QApplication::setActiveWindow(nullptr);
    EXPECT_FALSE(attention.UserIsAtProgram());
}

} // namespace
} // namespace zelvan
