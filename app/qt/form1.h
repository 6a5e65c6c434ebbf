// SPDX-License-Identifier: MIT
#pragma once

#include "dial/updatedisplay.h"
#include "platform/flag.h"
#include "platform/oledate.h"
#include "platform/readouts.h"

#include <QWidget>
#include <cstdint>
#include <memory>

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

    // Client-area size in twips.
    static constexpr int ClientWidthTwips = 2775;
    static constexpr int ClientHeightTwips = 3615;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void Form_Load();
    void cmdStart_Click();
    void cmdSetAlert_Click();
    void Timer1_Timer();
    void Picture1_Paint();
    void UpdateDisplay();
    void CheckAlarm();
    void ResetCount();
    void SetAlwaysOnTop(bool on);

    bool IsMinimized() const override;
    void SetReadoutText(const std::string &text) override;
    void SetCaption(const std::string &caption) override;

    std::unique_ptr<Clock> m_ownClock;
    std::unique_ptr<Timer> m_ownTimer;
    std::unique_ptr<MessageBox> m_ownMessageBox;
    std::unique_ptr<SoundPlayer> m_ownSound;
    Form1Services m_services;

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
    Flag m_running = False;
    HandTips m_tips;
};

} // namespace zelvan
