// SPDX-License-Identifier: MIT
#include "app/stopwatch.h"

#include "alarm/alarmsetting.h"
#include "alarm/checkalarm.h"
#include "dial/face.h"
#include "platform/attention.h"
#include "platform/button.h"
#include "platform/clock.h"
#include "platform/timer.h"

#include <utility>

namespace zelvan {

namespace {

constexpr const char *StartCaption = "Start";
constexpr const char *StopCaption = "Stop";
constexpr const char *ContinueCaption = "Continue";

} // namespace

Stopwatch::Stopwatch(StopwatchParts parts) : m_parts(std::move(parts))
{
    m_parts.Timer1.SetHandler([this] { Timer1_Timer(); });
    m_parts.Timer1.SetEnabled(false);
}

Stopwatch::~Stopwatch()
{
    m_parts.Timer1.SetEnabled(false);
    m_parts.Timer1.SetHandler({});
}

void Stopwatch::Form_Load()
{
    m_state.ElapsedSeconds = 0;
    m_lastTick = m_parts.clock.Now();
    m_state.ElapsedText = FormatElapsed(m_state.ElapsedSeconds);
    SetReadoutText(m_state.ElapsedText);
    SetCaption(CaptionPrefix + m_state.ElapsedText);
    SetRunCaption(StartCaption);
}

void Stopwatch::cmdStart_Click()
{
    m_running = ToFlag(!IsTrue(m_running));
    if (IsTrue(m_running)) {
        StartCadence();
        SetRunCaption(StopCaption);
    } else {
        m_parts.Timer1.SetEnabled(false);
        // The part of a second run since the last tick counts after Continue.
        m_carry.Stop(m_parts.clock, m_state.ElapsedSeconds);
        SetRunCaption(ContinueCaption);
    }
}

void Stopwatch::StartCadence()
{
    // Ticks come a whole second apart, counted from the part of a second carried
    // over a Stop (nothing after Start or Reset), and the clock's seconds turn
    // half-way between them. The first tick comes when that second is complete
    // and adds exactly one; a timer left running would keep an older phase,
    // and a reading taken late in its interval would fall in the next tick's
    // second, so that tick would add nothing. Time spent stopped or already
    // counted is not counted again.
    m_lastTick = m_carry.Continue(m_parts.clock, m_state.ElapsedSeconds);
    m_parts.Timer1.EnableAfter(m_carry.FirstTickMilliseconds());
}

void Stopwatch::SetRunCaption(const char *caption)
{
    m_runCaption = caption;
    m_parts.cmdStart.SetCaption(m_runCaption);
}

void Stopwatch::cmdSetAlert_Click()
{
    Flag enabled = m_state.AlarmEnabled;
    std::int16_t seconds = m_state.AlarmSeconds;
    if (!IsTrue(m_parts.alarmDialog.Run(enabled, seconds)))
        return;
    m_state.AlarmEnabled = enabled;
    // Disarming keeps the last alarm time for the next run of the dialog.
    if (IsTrue(m_state.AlarmEnabled))
        m_state.AlarmSeconds = seconds;
    // The window system shows its stored picture where the dialog was, and a
    // stopped stopwatch has no tick to come: draw the dial now, so the alarm
    // hand appears or goes as the dialog closes.
    if (!IsMinimized())
        Picture1_Paint();
}

void Stopwatch::Timer1_Timer()
{
    AccountElapsed(m_state.ElapsedSeconds, m_lastTick, m_parts.clock.Now());
    m_state.ElapsedText = FormatElapsed(m_state.ElapsedSeconds);
    UpdateDisplay(m_parts.Picture1, *this, m_state, m_tips);
    if (IsTrue(m_state.AlarmEnabled))
        CheckAlarm();
}

void Stopwatch::Picture1_Paint()
{
    DrawDialFace(m_parts.Picture1);
    UpdateDisplay(m_parts.Picture1, *this, m_state, m_tips);
}

void Stopwatch::CheckAlarm()
{
    zelvan::CheckAlarm(m_state.AlarmEnabled, m_state.ElapsedSeconds, m_state.AlarmSeconds,
                       m_caption,
                       {m_parts.messageBox, m_parts.sound, m_parts.isNormalFile,
                        m_parts.soundFolder, [this] { AskAttention(); }});
}

void Stopwatch::AskAttention()
{
    // Not while the user is at one of the program's windows: the alarm is seen there.
    if (!m_parts.attention.UserIsAtProgram())
        m_parts.attention.Request();
}

void Stopwatch::ResetCount()
{
    m_state.ElapsedSeconds = 0;
    m_carry.Clear();
    // Stopped, the next Start takes its own LastTick.
    if (IsTrue(m_running))
        StartCadence();
    m_state.ElapsedText = FormatElapsed(m_state.ElapsedSeconds);
    // Paused at zero, the next click starts a fresh count; "Stop" and "Start"
    // already say what the next click does.
    if (m_runCaption == ContinueCaption)
        SetRunCaption(StartCaption);
    UpdateDisplay(m_parts.Picture1, *this, m_state, m_tips);
}

void Stopwatch::Form_Unload()
{
    m_parts.Timer1.SetEnabled(false);
}

bool Stopwatch::IsMinimized() const
{
    return m_parts.window.IsMinimized();
}

void Stopwatch::SetReadoutText(const std::string &text)
{
    m_parts.window.SetReadoutText(text);
}

void Stopwatch::SetCaption(const std::string &caption)
{
    m_caption = caption;
    m_parts.window.SetCaption(caption);
}

} // namespace zelvan
