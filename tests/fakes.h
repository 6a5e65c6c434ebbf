// SPDX-License-Identifier: MIT
#pragma once

#include "alarm/alarmsetting.h"
#include "app/stopwatch.h"
#include "dial/updatedisplay.h"
#include "platform/attention.h"
#include "platform/button.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/readouts.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/timer.h"

#include <chrono>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zelvan::testing {

// The real clock over readings that move only when told: its whole seconds
// turn half-way between the due times of the ticks, as on the machine.
class FakeClock final : public Clock
{
public:
    OleDate Now() override { return m_clock.Now(); }
    OleDate CenterSecondsBetweenTicks(std::chrono::nanoseconds carried) override
    {
        return m_clock.CenterSecondsBetweenTicks(carried);
    }
    std::chrono::nanoseconds SinceTicksBegan() override { return m_clock.SinceTicksBegan(); }

    void Advance(double seconds) { m_bootNanoseconds += std::llround(seconds * 1e9); }
    // Seconds since the clock was made.
    double Seconds() const { return static_cast<double>(m_bootNanoseconds) / 1e9; }

private:
    std::int64_t m_bootNanoseconds = 0;
    // An afternoon in 2025.
    BootClock m_clock{{[] { return std::int64_t{1'765'238'400}; },
                       [this] { return m_bootNanoseconds; }}};
};

// A timer whose ticks the test delivers.
class FakeTimer final : public Timer
{
public:
    void SetEnabled(bool enabled) override
    {
        if (enabled && !m_enabled)
            firstMilliseconds = 1000;
        m_enabled = enabled;
    }
    bool Enabled() const { return m_enabled; }
    void EnableAfter(int first) override
    {
        firstMilliseconds = first;
        m_enabled = true;
    }
    // Delivers a tick, as the real timer would only while enabled.
    void Tick()
    {
        if (m_enabled)
            Fire();
    }

    // When the first tick of the last start was due, in milliseconds after it.
    int firstMilliseconds = 1000;

private:
    bool m_enabled = false;
};

struct Warning
{
    std::string text;
    std::string title;
};

class FakeMessageBox final : public MessageBox
{
public:
    void Warning(const std::string &text, const std::string &title) override
    {
        shown.push_back({text, title});
        if (whileOpen)
            whileOpen();
    }

    std::vector<testing::Warning> shown;
    // Runs while the box is "open", e.g. to deliver a tick behind it.
    std::function<void()> whileOpen;
};

// Keeps the real players' contract: a failure never comes inside the call,
// only later, when the caller's event loop has its turn.
class FakeSoundPlayer final : public SoundPlayer
{
public:
    void PlayAsync(const std::string &path, std::function<void()> onFailure) override
    {
        played.push_back(path);
        if (fails && onFailure)
            post(std::move(onFailure));
    }

    // The event loop's turn: delivers the failures posted so far.
    void DeliverFailures()
    {
        for (auto &failure : std::exchange(m_pending, {}))
            failure();
    }

    std::vector<std::string> played;
    bool fails = false;
    // How a failure reaches the event loop; GUI tests post it to Qt's.
    std::function<void(std::function<void()>)> post = [this](std::function<void()> failure) {
        m_pending.push_back(std::move(failure));
    };

private:
    std::vector<std::function<void()>> m_pending;
};

// One drawing operation, with everything a test may want to check.
struct DrawOp
{
    enum Kind
    {
        Line,
        Circle,
        Print
    } kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // Circle: centre in x1, y1 and radius in x2
    Colour colour = 0;                     // Line: its colour; Circle: the fill colour
    std::string text;                      // Print: the text
};

// A surface that records what is drawn on it.
class RecordingSurface final : public Surface
{
public:
    RecordingSurface(double width = 2295, double height = 2295) : m_width(width), m_height(height)
    {
    }

    double Width() const override { return m_width; }
    double Height() const override { return m_height; }
    Colour FillColor() const override { return fillColor; }
    void SetFillColor(Colour colour) override { fillColor = colour; }
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour) override
    {
        ops.push_back({DrawOp::Line, x1, y1, x2, y2, colour.value_or(foreColor), {}});
    }
    void Circle(double x, double y, double radius) override
    {
        ops.push_back({DrawOp::Circle, x, y, radius, 0, fillColor, {}});
    }
    void SetCurrentX(double x) override { m_x = x; }
    void SetCurrentY(double y) override { m_y = y; }
    double FontSize() const override { return 8.25; }
    void Print(const std::string &text) override
    {
        ops.push_back({DrawOp::Print, m_x, m_y, 0, 0, foreColor, text});
    }

    Colour foreColor = Rgb(0, 0, 0);
    Colour fillColor = Rgb(255, 255, 255);
    std::vector<DrawOp> ops;

private:
    double m_width;
    double m_height;
    double m_x = 0;
    double m_y = 0;
};

class FakeReadouts final : public Readouts
{
public:
    bool IsMinimized() const override { return minimized; }
    void SetReadoutText(const std::string &text) override { readout = text; }
    void SetCaption(const std::string &text) override { caption = text; }

    bool minimized = false;
    std::string readout;
    std::string caption;
};

class FakeButton final : public Button
{
public:
    void SetCaption(const std::string &text) override { caption = text; }
    std::string caption;
};

class FakeAttention final : public Attention
{
public:
    bool UserIsAtProgram() const override { return userIsHere; }
    void Request() override { ++requests; }

    bool userIsHere = false;
    int requests = 0;
};

// The alarm dialog's controls; while "shown", the user's actions run.
class FakeAlarmSettingView final : public AlarmSettingView
{
public:
    int CheckBoxValue() const override { return checkBox; }
    void SetCheckBoxValue(int value) override { checkBox = value; }
    std::string MinutesText() const override { return minutes; }
    void SetMinutesText(const std::string &text) override { minutes = text; }
    NumberSeparators LocaleSeparators() const override { return separators; }
    void ShowModal() override
    {
        shown = true;
        if (user)
            user(*this);
        shown = false;
    }
    void Hide() override { shown = false; }
    void Warning(const std::string &text, const std::string &title) override
    {
        warnings.push_back({text, title});
    }

    int checkBox = 0;
    std::string minutes;
    NumberSeparators separators;
    bool shown = false;
    std::vector<testing::Warning> warnings;
    // What the user does while the dialog is open; the setting to click OK or Cancel on.
    std::function<void(FakeAlarmSettingView &)> user;
};

// Runs the real dialog behaviour over fake controls, a fresh one each time.
class FakeAlarmDialog final : public AlarmDialog
{
public:
    Flag Run(Flag &Enabled, std::int16_t &timeset) override
    {
        ++runs;
        FakeAlarmSettingView view;
        AlarmSetting setting(view);
        view.user = [this, &setting](FakeAlarmSettingView &v) {
            shownCheckBox = v.checkBox;
            shownMinutes = v.minutes;
            if (user)
                user(v, setting);
        };
        return setting.CallAlarmSetting(Enabled, timeset);
    }

    // Sets the controls as the user would and presses OK.
    void WillEnter(bool checked, std::string minutes)
    {
        user = [checked, minutes](FakeAlarmSettingView &v, AlarmSetting &s) {
            v.checkBox = checked ? 1 : 0;
            v.minutes = minutes;
            s.cmdOK_Click();
        };
    }

    std::function<void(FakeAlarmSettingView &, AlarmSetting &)> user;
    int runs = 0;
    // What the last dialog showed when it opened.
    int shownCheckBox = -1;
    std::string shownMinutes;
};

// Everything the stopwatch works through but its clock, its timer and its dial.
struct StopwatchFakes
{
    StopwatchParts Parts(Clock &clock, Timer &timer, Surface &picture)
    {
        return {clock, timer, picture, window, cmdStart, messageBox, sound, dialog, attention,
                [this](const std::string &path) {
                    chimeLookedFor = path;
                    return chimeExists;
                },
                "/share/zelvan"};
    }

    FakeReadouts window;
    FakeButton cmdStart;
    FakeMessageBox messageBox;
    FakeSoundPlayer sound;
    FakeAlarmDialog dialog;
    FakeAttention attention;
    bool chimeExists = true;
    std::string chimeLookedFor;
};

} // namespace zelvan::testing
