// SPDX-License-Identifier: MIT
#pragma once

// The stopwatch window on Qt: the layout in twips, the widgets, the menu and
// the keys. What the window does is the Stopwatch's (app/stopwatch.h), under
// the form's names; the widgets carry those names as object names, by which
// tests and accessibility tools find them:
//   Form1            this window; Form2 is the alarm dialog
//   Picture1         the dial canvas (PictureBox), drawn in twips
//   Text1            the elapsed-time readout (ReadoutBox)
//   cmdStart         the Start / Stop / Continue button
//   cmdSetAlert      the "Alarm..." button that opens Form2
//   Timer1           the one-second timer
//   Twips            1/1440 inch, the unit of every position and size

#include "alarm/alarmsetting.h"
#include "platform/readouts.h"

#include <QWidget>
#include <memory>
#include <string>

class QAction;
class QMenu;
class QPushButton;

namespace zelvan {

class Attention;
class Button;
class Clock;
class MessageBox;
class PictureBox;
class ReadoutBox;
class SoundPlayer;
class Stopwatch;
class Timer;

// What the main window uses of the world outside; tests hand in fakes, and
// whatever is left null is the real thing.
struct Form1Services
{
    Clock *clock = nullptr;
    Timer *timer = nullptr;
    MessageBox *messageBox = nullptr;
    SoundPlayer *sound = nullptr;
    Attention *attention = nullptr;
    // Folder that holds Media/TaDa.wav; empty means the program's own data folder.
    std::string soundFolder;
};

// The stopwatch window: the dial, the readout, the run button and the alarm button.
class Form1 final : public QWidget, private Readouts, private AlarmDialog
{
    Q_OBJECT

public:
    explicit Form1(Form1Services services = {});
    ~Form1() override;

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
    void CreateStopwatch();

    void SetAlwaysOnTop(bool on);

    bool IsMinimized() const override;
    void SetReadoutText(const std::string &text) override;
    void SetCaption(const std::string &caption) override;
    Flag Run(Flag &Enabled, std::int16_t &timeset) override;

    std::unique_ptr<Clock> m_ownClock;
    std::unique_ptr<Timer> m_ownTimer;
    std::unique_ptr<MessageBox> m_ownMessageBox;
    std::unique_ptr<SoundPlayer> m_ownSound;
    std::unique_ptr<Attention> m_ownAttention;
    Form1Services m_services;

    PictureBox *Picture1;
    QPushButton *cmdStart;
    QPushButton *cmdSetAlert;
    ReadoutBox *Text1;
    std::unique_ptr<Button> m_cmdStartCaption;
    // The context menu of the dial and the readout: Copy (also Ctrl+C), Reset
    // (also Ctrl+R) and Always on top.
    QMenu *m_dialMenu;
    QAction *m_copyAction;
    QAction *m_resetAction;
    QAction *m_onTopAction;

    std::unique_ptr<Stopwatch> m_stopwatch;
};

} // namespace zelvan
