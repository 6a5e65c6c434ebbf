// SPDX-License-Identifier: MIT
#include "form1.h"

#include "checkalarm.h"
#include "clock.h"
#include "face.h"
#include "files.h"
#include "form2.h"
#include "forms.h"
#include "messagebox.h"
#include "picturebox.h"
#include "qtsound.h"
#include "sound.h"
#include "tick.h"
#include "timer.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace zelvan {

namespace {

constexpr int TickMilliseconds = 1000;

QFont ReadoutFont()
{
    // Microsoft Sans Serif where it exists; Liberation Sans has the same metrics,
    // whereas the usual fallback (DejaVu Sans) is too wide for the readout.
    QFont font;
    font.setFamilies({"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"});
    font.setBold(true);
    font.setPointSizeF(20.25);
    return font;
}

} // namespace

Form1::Form1(Form1Services services) : m_services(std::move(services))
{
    if (!m_services.clock) {
        m_ownClock = std::make_unique<BootClock>();
        m_services.clock = m_ownClock.get();
    }
    if (!m_services.timer) {
        m_ownTimer = std::make_unique<QtTimer>(TickMilliseconds);
        m_services.timer = m_ownTimer.get();
    }
    if (!m_services.messageBox) {
        m_ownMessageBox = std::make_unique<QtMessageBox>();
        m_services.messageBox = m_ownMessageBox.get();
    }
    if (!m_services.sound) {
        m_ownSound = std::make_unique<QtSoundPlayer>();
        m_services.sound = m_ownSound.get();
    }
    if (m_services.soundFolder.empty())
        m_services.soundFolder = ProgramDataFolder();

    setObjectName("Form1");
    // A fixed single border: no maximise button, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(DefaultFormFont());
    const int dpi = logicalDpiX();
    setFixedSize(TwipsToPixels(ClientWidthTwips, dpi), TwipsToPixels(ClientHeightTwips, dpi));

    Picture1 = new PictureBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->SetForeColor(Rgb(0, 0, 0));
    Picture1->SetFillColor(Rgb(255, 255, 255));
    Picture1->setFocusPolicy(Qt::NoFocus);
    PlaceInTwips(*Picture1, 240, 120, 2295, 2295);
    Picture1->SetPaintHandler([this] { Picture1_Paint(); });

    cmdStart = new QPushButton("Start", this);
    cmdStart->setObjectName("cmdStart");
    PlaceInTwips(*cmdStart, 120, 3120, 1215, 375);
    // Enter clicks the default button; a focused button takes Enter itself.
    cmdStart->setAutoDefault(true);
    cmdStart->setDefault(true);
    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });

    cmdSetAlert = new QPushButton("Alarm...", this);
    cmdSetAlert->setObjectName("cmdSetAlert");
    PlaceInTwips(*cmdSetAlert, 1440, 3120, 1215, 375);
    cmdSetAlert->setAutoDefault(true);
    connect(cmdSetAlert, &QPushButton::clicked, this, [this] { cmdSetAlert_Click(); });

    Text1 = new QLineEdit("00:00:00", this);
    Text1->setObjectName("Text1");
    PlaceInTwips(*Text1, 480, 2520, 1815, 405);
    Text1->setReadOnly(true);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setFont(ReadoutFont());
    // The readout's line is taller than its box: no frame and no margins, so
    // the digits are never clipped or scrolled.
    Text1->setFrame(false);
    Text1->setTextMargins(0, 0, 0, 0);
    Text1->setContentsMargins(0, 0, 0, 0);
    Text1->setFocusPolicy(Qt::ClickFocus);
    QPalette readout = Text1->palette();
    readout.setColor(QPalette::Base, readout.color(QPalette::Button));
    readout.setColor(QPalette::Text, Qt::black);
    Text1->setPalette(readout);

    setTabOrder(cmdStart, cmdSetAlert);

    m_services.timer->SetHandler([this] { Timer1_Timer(); });
    m_services.timer->SetEnabled(false);

    Form_Load();
    SetCaption(std::string(CaptionPrefix) + m_state.ElapsedText);
}

Form1::~Form1() { m_services.timer->SetEnabled(false); }

void Form1::Form_Load()
{
    m_state.ElapsedSeconds = 0;
    m_lastTick = m_services.clock->Now();
    m_state.ElapsedText = "00:00:00";
}

void Form1::cmdStart_Click()
{
    m_running = ToFlag(!IsTrue(m_running));
    if (IsTrue(m_running))
        m_services.clock->CenterSecondsBetweenTicks();
    m_services.timer->SetEnabled(IsTrue(m_running));
    if (IsTrue(m_running)) {
        cmdStart->setText("Stop");
        // The time spent stopped is not counted.
        m_lastTick = m_services.clock->Now();
    } else {
        cmdStart->setText("Continue");
    }
    cmdStart->repaint();
}

void Form1::cmdSetAlert_Click()
{
    // A fresh dialog each time, so every run starts from the current settings.
    Form2 dialog(this, *m_services.messageBox);
    Flag enabled = m_state.AlarmEnabled;
    std::int16_t seconds = m_state.AlarmSeconds;
    if (IsTrue(dialog.CallAlarmSetting(this, enabled, seconds))) {
        m_state.AlarmEnabled = enabled;
        // Disarming keeps the last alarm time for the next run of the dialog.
        if (IsTrue(m_state.AlarmEnabled))
            m_state.AlarmSeconds = seconds;
    }
    // The hand follows at the next tick or repaint of the dial. The keyboard
    // comes back here, even where no window manager hands it back.
    activateWindow();
}

void Form1::Timer1_Timer()
{
    AccountElapsed(m_state.ElapsedSeconds, m_lastTick, m_services.clock->Now());
    m_state.ElapsedText = FormatElapsed(m_state.ElapsedSeconds);
    UpdateDisplay();
    if (IsTrue(m_state.AlarmEnabled))
        CheckAlarm();
}

void Form1::Picture1_Paint()
{
    DrawDialFace(*Picture1);
    UpdateDisplay();
}

void Form1::UpdateDisplay() { zelvan::UpdateDisplay(*Picture1, *this, m_state, m_tips); }

void Form1::CheckAlarm()
{
    zelvan::CheckAlarm(m_state.AlarmEnabled, m_state.ElapsedSeconds, m_state.AlarmSeconds,
                       windowTitle().toStdString(),
                       {*m_services.messageBox, *m_services.sound, IsNormalFile,
                        m_services.soundFolder});
}

bool Form1::IsMinimized() const { return isMinimized(); }

void Form1::SetReadoutText(const std::string &text) { Text1->setText(QString::fromStdString(text)); }

void Form1::SetCaption(const std::string &caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void Form1::closeEvent(QCloseEvent *event)
{
    m_services.timer->SetEnabled(false);
    event->accept();
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere in the window clicks the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdStart->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace zelvan
