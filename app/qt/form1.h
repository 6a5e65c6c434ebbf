// SPDX-License-Identifier: MIT
#pragma once

// The stopwatch window keeps the names of the form it grew from; they are the
// program's vocabulary and the widgets' object names, by which tests and
// accessibility tools find them:
//   Form1            this window; Form2 is the alarm dialog
//   Picture1         the dial canvas (PictureBox), drawn in twips
//   Text1            the elapsed-time readout (ReadoutBox)
//   cmdStart         the Start / Stop / Continue button
//   cmdSetAlert      the "Alarm..." button that opens Form2
//   Timer1           the one-second timer (m_services.timer); Timer1_Timer its tick
//   Form_Load        zeroes the count and takes LastTick as the window is made
//   xxx_Click        the handler of control xxx's click; Picture1_Paint its repaint
//   ElapsedSeconds   the count; ElapsedText the same as HH:MM:SS (in m_state)
//   LastTick         the clock reading the count was last brought up to (m_lastTick)
//   AlarmEnabled     whether the alarm is armed; AlarmSeconds when it rings (in m_state)
//   Running          whether the count runs (m_running)
//   Flag             a -1 (True) / 0 (False) boolean, as the form stored it
//   Twips            1/1440 inch, the unit of every position and size
//
// A tick: Timer1_Timer adds the seconds passed (AccountElapsed, FormatElapsed
// in app/tick.h), then UpdateDisplay (dial/updatedisplay.h) draws the hands
// on Picture1 and sets Text1 and the caption through the Readouts this window
// implements; CheckAlarm follows while the alarm is armed.

#include "app/tick.h"
#include "dial/updatedisplay.h"
#include "platform/flag.h"
#include "platform/oledate.h"
#include "platform/readouts.h"

#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

class QAction;
class QMenu;
class QPushButton;

namespace zelvan {

class Clock;
class MessageBox;
class PictureBox;
class ReadoutBox;
class SoundPlayer;
class Timer;

// What the main window uses of the world outside; tests hand in fakes, and
// whatever is left null is the real thing.
struct Form1Services
{
    Clock *clock = nullptr;
    Timer *timer = nullptr;
    MessageBox *messageBox = nullptr;
    SoundPlayer *sound = nullptr;
    // Folder that holds Media/TaDa.wav; empty means the program's own data folder.
    std::string soundFolder;
};

// The stopwatch window: the dial, the readout, the run button and the alarm
// button. It owns the count, the alarm setting and the hands last drawn.
class Form1 final : public QWidget, private Readouts
{
    Q_OBJECT

public:
    explicit Form1(Form1Services services = {});
    ~Form1() override;

    std::int32_t ElapsedSeconds() const { return m_state.ElapsedSeconds; }
    const std::string &ElapsedText() const { return m_state.ElapsedText; }
    Flag AlarmEnabled() const { return m_state.AlarmEnabled; }
    std::int16_t AlarmSeconds() const { return m_state.AlarmSeconds; }
    Flag Running() const { return m_running; }

    // Replaces the request to the desktop to draw the user's eye to the window
    // (AskForAttention), for tests.
    void SetAlert(std::function<void()> alert) { m_alert = std::move(alert); }

    // Client-area size in twips.
    static constexpr int ClientWidthTwips = 2775;
    static constexpr int ClientHeightTwips = 3615;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The steps of construction, in order.
    void UseRealServicesWhereNoneGiven();
    void SetUpWindow();
    void CreatePicture1();
    void CreateCmdStart();
    void CreateCmdSetAlert();
    void CreateText1();
    void CreateDialMenu();

    void Form_Load();
    void cmdStart_Click();
    void cmdSetAlert_Click();
    void Timer1_Timer();
    void Picture1_Paint();
    void CheckAlarm();
    void ResetCount();
    // Starts Timer1 afresh, centres the clock's seconds between its ticks and
    // takes LastTick: the start of every run of one-second ticks.
    void StartCadence();
    void SetAlwaysOnTop(bool on);
    void AskAttention();

    bool IsMinimized() const override;
    void SetReadoutText(const std::string &text) override;
    void SetCaption(const std::string &caption) override;

    std::unique_ptr<Clock> m_ownClock;
    std::unique_ptr<Timer> m_ownTimer;
    std::unique_ptr<MessageBox> m_ownMessageBox;
    std::unique_ptr<SoundPlayer> m_ownSound;
    Form1Services m_services;
    std::function<void()> m_alert;

    PictureBox *Picture1;
    QPushButton *cmdStart;
    QPushButton *cmdSetAlert;
    ReadoutBox *Text1;
    // The context menu of the dial and the readout: Copy (also Ctrl+C), Reset
    // (also Ctrl+R) and Always on top.
    QMenu *m_dialMenu;
    QAction *m_copyAction;
    QAction *m_resetAction;
    QAction *m_onTopAction;

    DisplayState m_state;
    OleDate m_lastTick = 0;
    PauseCarry m_carry;
    Flag m_running = False;
    HandTips m_tips;
};

} // namespace zelvan
