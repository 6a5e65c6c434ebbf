// SPDX-License-Identifier: MIT
#pragma once

// The main window over fakes, for the widget tests and the benchmark.

#include "app/qt/form1.h"
#include "fakes.h"
#include "platform/qt/picturebox.h"
#include "platform/qt/readoutbox.h"

#include <QPushButton>
#include <QString>

namespace zelvan::testing {

struct FakeWorld
{
    FakeClock clock;
    FakeTimer timer;
    FakeMessageBox messageBox;
    FakeSoundPlayer sound;
    FakeAttention attention;
};

// The fakes are made before the window and outlive it.
class WindowWithFakes : protected FakeWorld
{
public:
    WindowWithFakes() : form({&clock, &timer, &messageBox, &sound, &attention, {}}) {}

    QPushButton &cmdStart() { return *form.findChild<QPushButton *>("cmdStart"); }
    QPushButton &cmdSetAlert() { return *form.findChild<QPushButton *>("cmdSetAlert"); }
    ReadoutBox &Text1Box() { return *form.findChild<ReadoutBox *>("Text1"); }
    QString Text1() { return Text1Box().text(); }
    PictureBox &Picture1() { return *form.findChild<PictureBox *>("Picture1"); }

    // Lets the given number of seconds pass, one tick a second.
    void RunFor(int seconds)
    {
        for (int i = 0; i < seconds; ++i) {
            clock.Advance(1);
            timer.Tick();
        }
    }

    Form1 form;
};

} // namespace zelvan::testing
