// SPDX-License-Identifier: MIT
#pragma once

// The stopwatch window's behaviour, under the names of the form it grew from;
// a front end lays out the controls, forwards their events here and shows
// what this class tells it to:
//   Form1            the main window; Form2 the alarm dialog (alarm/alarmsetting.h)
//   Picture1         the dial, a Surface drawn in twips
//   Text1            the elapsed-time readout
//   cmdStart         the Start / Stop / Continue button
//   cmdSetAlert      the "Alarm..." button that opens Form2
//   Timer1           the one-second timer; Timer1_Timer its tick
//   Form_Load        zeroes the count and takes LastTick as the window is made
//   Form_Unload      stops Timer1 as the window closes
//   xxx_Click        the handler of control xxx's click; Picture1_Paint its repaint
//   ElapsedSeconds   the count; ElapsedText the same as HH:MM:SS
//   LastTick         the clock reading the count was last brought up to
//   AlarmEnabled     whether the alarm is armed; AlarmSeconds when it rings
//   Running          whether the count runs
//   Flag             a -1 (True) / 0 (False) boolean, as the form stored it
//
// A tick: Timer1_Timer adds the seconds passed (AccountElapsed, FormatElapsed
// in app/tick.h), then UpdateDisplay (dial/updatedisplay.h) draws the hands on
// Picture1 and sets Text1 and the caption; CheckAlarm follows while the alarm
// is armed.

#include "app/tick.h"
#include "dial/hands.h"
#include "dial/updatedisplay.h"
#include "platform/flag.h"
#include "platform/oledate.h"
#include "platform/readouts.h"

#include <cstdint>
#include <functional>
#include <string>

namespace zelvan {

class AlarmDialog;
class Attention;
class Button;
class Clock;
class MessageBox;
class SoundPlayer;
class Surface;
class Timer;

// What the stopwatch works through; each must outlive it.
struct StopwatchParts
{
    Clock &clock;
    Timer &Timer1;
    Surface &Picture1;
    // Text1, the caption and whether the window is minimised.
    Readouts &window;
    Button &cmdStart;
    // Warnings owned by the main window.
    MessageBox &messageBox;
    SoundPlayer &sound;
    AlarmDialog &alarmDialog;
    Attention &attention;
    std::function<bool(const std::string &)> isNormalFile;
    // Stands in for the Windows directory where there is none.
    std::string soundFolder;
};

// The main window's behaviour. It owns the count, the alarm setting, the run
// state and the hands last drawn.
class Stopwatch final : private Readouts
{
public:
    // Takes Timer1's ticks; Timer1 stays off until the first Start.
    explicit Stopwatch(StopwatchParts parts);
    ~Stopwatch() override;
    Stopwatch(const Stopwatch &) = delete;
    Stopwatch &operator=(const Stopwatch &) = delete;

    // The window's design texts: the caption, Text1 and cmdStart at zero.
    void Form_Load();
    void cmdStart_Click();
    void cmdSetAlert_Click();
    void Timer1_Timer();
    void Picture1_Paint();
    // Zeroes the count, running or not (Ctrl+R, the dial's menu).
    void ResetCount();
    void Form_Unload();

    // What Copy puts on the clipboard.
    const std::string &CopyText() const { return m_state.ElapsedText; }

    std::int32_t ElapsedSeconds() const { return m_state.ElapsedSeconds; }
    const std::string &ElapsedText() const { return m_state.ElapsedText; }
    Flag AlarmEnabled() const { return m_state.AlarmEnabled; }
    std::int16_t AlarmSeconds() const { return m_state.AlarmSeconds; }
    Flag Running() const { return m_running; }

private:
    // Starts Timer1 afresh, centres the clock's seconds between its ticks and
    // takes LastTick: the start of every run of one-second ticks.
    void StartCadence();
    void SetRunCaption(const char *caption);
    void CheckAlarm();
    void AskAttention();

    // The window as the display sees it, keeping the caption of the moment.
    bool IsMinimized() const override;
    void SetReadoutText(const std::string &text) override;
    void SetCaption(const std::string &caption) override;

    StopwatchParts m_parts;
    DisplayState m_state;
    OleDate m_lastTick = 0;
    PauseCarry m_carry;
    Flag m_running = False;
    HandTips m_tips;
    std::string m_caption;
    std::string m_runCaption;
};

} // namespace zelvan
