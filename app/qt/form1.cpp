// SPDX-License-Identifier: MIT
#include "app/qt/form1.h"

#include "alarm/checkalarm.h"
#include "alarm/qt/form2.h"
#include "app/tick.h"
#include "dial/face.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/qt/forms.h"
#include "platform/qt/lazysound.h"
#include "platform/qt/messagebox.h"
#include "platform/qt/picturebox.h"
#include "platform/qt/readoutbox.h"
#include "platform/qt/readoutpalette.h"
#include "platform/qt/timer.h"
#include "platform/qt/windowmanager.h"
#include "platform/sound.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>

namespace zelvan {

namespace {

constexpr int TickMilliseconds = 1000;

QFont ReadoutFont()
{
    // The forms' faces: the usual fallback (DejaVu Sans) is too wide for the readout.
    QFont font;
    font.setFamilies(FormFontFamilies());
    font.setBold(true);
    font.setPointSizeF(20.25);
    return font;
}

// A focused button takes Enter itself and then looks like the default button,
// so the window's default button gives up that look while the other button
// has the focus, as buttons in a dialog do. A popup menu leaves things as they are.
class DefaultLookFollowsFocus final : public QObject
{
public:
    DefaultLookFollowsFocus(QPushButton *defaultButton, QObject *parent)
        : QObject(parent), m_defaultButton(defaultButton)
    {
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            m_defaultButton->setDefault(event->type() == QEvent::FocusOut);
        return QObject::eventFilter(watched, event);
    }

private:
    QPushButton *m_defaultButton;
};

// Screen readers announce the main window as a window (a frame), as they do
// the alarm dialog; a plain widget would be read as a "filler".
class AccessibleForm1 final : public QAccessibleWidget
{
public:
    explicit AccessibleForm1(QWidget *form) : QAccessibleWidget(form, QAccessible::Window) {}
};

QAccessibleInterface *AccessibleForm1Factory(const QString &className, QObject *object)
{
    if (className == QLatin1String(Form1::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new AccessibleForm1(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

Form1::Form1(Form1Services services) : m_services(std::move(services))
{
    static const bool accessibleFactoryInstalled = [] {
        QAccessible::installFactory(AccessibleForm1Factory);
        return true;
    }();
    Q_UNUSED(accessibleFactoryInstalled);
    UseRealServicesWhereNoneGiven();
    SetUpWindow();
    CreatePicture1();
    CreateCmdStart();
    CreateCmdSetAlert();
    CreateText1();
    setTabOrder(cmdStart, cmdSetAlert);
    CreateDialMenu();

    m_services.timer->SetHandler([this] { Timer1_Timer(); });
    m_services.timer->SetEnabled(false);

    Form_Load();
    SetCaption(std::string(CaptionPrefix) + m_state.ElapsedText);
}

void Form1::UseRealServicesWhereNoneGiven()
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
        m_ownMessageBox = std::make_unique<QtMessageBox>(this);
        m_services.messageBox = m_ownMessageBox.get();
    }
    if (!m_services.sound) {
        m_ownSound = std::make_unique<LazySoundPlayer>();
        m_services.sound = m_ownSound.get();
    }
    if (m_services.soundFolder.empty())
        m_services.soundFolder = ProgramDataFolder();
}

void Form1::SetUpWindow()
{
    setObjectName("Form1");
    // A fixed single border: no maximise button, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(DefaultFormFont());
    const int dpi = logicalDpiX();
    setFixedSize(TwipsToPixels(ClientWidthTwips, dpi), TwipsToPixels(ClientHeightTwips, dpi));
}

void Form1::CreatePicture1()
{
    Picture1 = new PictureBox(this);
    Picture1->setObjectName("Picture1");
    Picture1->SetForeColor(Rgb(0, 0, 0));
    Picture1->SetFillColor(Rgb(255, 255, 255));
    Picture1->setFocusPolicy(Qt::NoFocus);
    PlaceInTwips(*Picture1, 240, 120, 2295, 2295);
    Picture1->SetPaintHandler([this] { Picture1_Paint(); });
    Picture1->setAccessibleName("Dial");
    Picture1->setAccessibleDescription(
        QString("Second hand, minute hand and, when the alarm is armed, the red alarm hand. "
                "Its context menu offers %1.")
            .arg(WindowsCanStayOnTop() ? "Copy, Reset and Always on top" : "Copy and Reset"));
}

void Form1::CreateCmdStart()
{
    cmdStart = new QPushButton("Start", this);
    cmdStart->setObjectName("cmdStart");
    PlaceInTwips(*cmdStart, 120, 3120, 1215, 375);
    // Enter clicks the default button; a focused button takes Enter itself.
    cmdStart->setAutoDefault(true);
    cmdStart->setDefault(true);
    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
    // No fixed accessible name: the caption (Start, Stop, Continue) is the name.
    cmdStart->setAccessibleDescription("Starts, stops and continues the count. Enter presses it.");
}

void Form1::CreateCmdSetAlert()
{
    cmdSetAlert = new QPushButton("Alarm...", this);
    cmdSetAlert->setObjectName("cmdSetAlert");
    PlaceInTwips(*cmdSetAlert, 1440, 3120, 1215, 375);
    cmdSetAlert->setAutoDefault(true);
    cmdSetAlert->installEventFilter(new DefaultLookFollowsFocus(cmdStart, cmdSetAlert));
    connect(cmdSetAlert, &QPushButton::clicked, this, [this] { cmdSetAlert_Click(); });
    cmdSetAlert->setAccessibleName("Alarm");
    cmdSetAlert->setAccessibleDescription(
        "Sets an alarm that rings after 1 to 60 minutes of running time.");
}

void Form1::CreateText1()
{
    Text1 = new ReadoutBox(QString::fromStdString(FormatElapsed(0)), this);
    Text1->setObjectName("Text1");
    PlaceInTwips(*Text1, 480, 2520, 1815, 405);
    Text1->setFont(ReadoutFont());
    // The readout changes every second and screen readers speak the changes of
    // the focused object, so it never takes the focus (ReadoutBox sees to
    // that), and its accessible name is a fixed label, not the time: the time
    // is its value, read when the user asks.
    Text1->setAccessibleName("Elapsed time");
    Text1->setAccessibleDescription("Hours, minutes and seconds counted so far.");
    Text1->setPalette(ReadoutPalette(Text1->palette()));
}

void Form1::CreateDialMenu()
{
    // Reset answers Ctrl+R wherever the focus is in the window, and the menu
    // shows the shortcut beside it.
    m_resetAction = new QAction("Reset", this);
    m_resetAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    m_resetAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_resetAction, &QAction::triggered, this, [this] { ResetCount(); });
    addAction(m_resetAction);
    // Off at every start: the program stores no settings.
    m_onTopAction = new QAction("Always on top", this);
    m_onTopAction->setCheckable(true);
    connect(m_onTopAction, &QAction::toggled, this, [this](bool on) { SetAlwaysOnTop(on); });
    m_copyAction = new QAction("Copy", this);
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_copyAction, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(m_state.ElapsedText));
    });
    addAction(m_copyAction);
    m_dialMenu = new QMenu(this);
    m_dialMenu->addAction(m_copyAction);
    m_dialMenu->addSeparator();
    m_dialMenu->addAction(m_resetAction);
    // Offered only where the window system can honour it.
    if (WindowsCanStayOnTop())
        m_dialMenu->addAction(m_onTopAction);
    Picture1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Picture1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_dialMenu->popup(Picture1->mapToGlobal(pos)); });
    Text1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Text1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { m_dialMenu->popup(Text1->mapToGlobal(pos)); });
}

Form1::~Form1()
{
    m_services.timer->SetEnabled(false);
}

void Form1::Form_Load()
{
    m_state.ElapsedSeconds = 0;
    m_lastTick = m_services.clock->Now();
    m_state.ElapsedText = FormatElapsed(m_state.ElapsedSeconds);
}

void Form1::cmdStart_Click()
{
    m_running = ToFlag(!IsTrue(m_running));
    if (IsTrue(m_running)) {
        StartCadence();
        cmdStart->setText("Stop");
    } else {
        m_services.timer->SetEnabled(false);
        // The part of a second run since the last tick counts after Continue.
        m_carry.Stop(*m_services.clock, m_state.ElapsedSeconds);
        cmdStart->setText("Continue");
    }
    cmdStart->repaint();
}

void Form1::StartCadence()
{
    // Ticks come a whole second apart, counted from the part of a second carried
    // over a Stop (nothing after Start or Reset), and the clock's seconds turn
    // half-way between them. The first tick comes when that second is complete
    // and adds exactly one; a timer left running would keep an older phase,
    // and a reading taken late in its interval would fall in the next tick's
    // second, so that tick would add nothing. Time spent stopped or already
    // counted is not counted again.
    m_lastTick = m_carry.Continue(*m_services.clock, m_state.ElapsedSeconds);
    m_services.timer->EnableAfter(m_carry.FirstTickMilliseconds());
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
        // The window system shows its stored picture where the dialog was, and
        // a stopped stopwatch has no tick to come: draw the dial now, so the
        // alarm hand appears or goes as the dialog closes.
        if (!isMinimized())
            Picture1_Paint();
    }
    // The keyboard comes back here, even where no window manager hands it back.
    activateWindow();
}

void Form1::Timer1_Timer()
{
    AccountElapsed(m_state.ElapsedSeconds, m_lastTick, m_services.clock->Now());
    m_state.ElapsedText = FormatElapsed(m_state.ElapsedSeconds);
    UpdateDisplay(*Picture1, *this, m_state, m_tips);
    if (IsTrue(m_state.AlarmEnabled))
        CheckAlarm();
}

void Form1::Picture1_Paint()
{
    DrawDialFace(*Picture1);
    UpdateDisplay(*Picture1, *this, m_state, m_tips);
}

void Form1::CheckAlarm()
{
    zelvan::CheckAlarm(m_state.AlarmEnabled, m_state.ElapsedSeconds, m_state.AlarmSeconds,
                       windowTitle().toStdString(),
                       {*m_services.messageBox, *m_services.sound, IsNormalFile,
                        m_services.soundFolder, [this] { AskAttention(); }});
}

void Form1::ResetCount()
{
    m_state.ElapsedSeconds = 0;
    m_carry.Clear();
    // Stopped, the next Start takes its own LastTick.
    if (IsTrue(m_running))
        StartCadence();
    m_state.ElapsedText = FormatElapsed(m_state.ElapsedSeconds);
    // Paused at zero, the next click starts a fresh count; "Stop" and "Start"
    // already say what the next click does.
    if (cmdStart->text() == "Continue")
        cmdStart->setText("Start");
    UpdateDisplay(*Picture1, *this, m_state, m_tips);
}

void Form1::AskAttention()
{
    // Not while the user is at one of the program's windows (this one, the
    // alarm dialog, a warning): the alarm is seen there. The request clears
    // when the user activates the window.
    if (QApplication::activeWindow())
        return;
    if (m_alert)
        m_alert();
    else
        AskForAttention(*this);
}

void Form1::SetAlwaysOnTop(bool on)
{
    SetStaysOnTop(*this, on);
}

bool Form1::IsMinimized() const
{
    return isMinimized();
}

void Form1::SetReadoutText(const std::string &text)
{
    Text1->setText(QString::fromStdString(text));
}

void Form1::SetCaption(const std::string &caption)
{
    setWindowTitle(QString::fromStdString(caption));
}

void Form1::closeEvent(QCloseEvent *event)
{
    m_services.timer->SetEnabled(false);
    event->accept();
}

void Form1::changeEvent(QEvent *event)
{
    // Nothing is drawn while minimised, and the window system may show the old
    // picture again on restore: ask for the dial to be painted anew, as on first show.
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindowStateChangeEvent *>(event)->oldState() & Qt::WindowMinimized) &&
        !isMinimized())
        Picture1->Refresh();
    QWidget::changeEvent(event);
}

void Form1::keyPressEvent(QKeyEvent *event)
{
    // Enter anywhere in the window clicks the default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdStart->click();
        return;
    }
    // Shift+F10 asks for the context menu, as the menu key does.
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, rect().center(),
                                  mapToGlobal(rect().center()));
        contextMenuEvent(&menuKey);
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu key on a button opens the dial's menu, so it needs no mouse.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        m_dialMenu->popup(Picture1->mapToGlobal(Picture1->rect().center()));
        return;
    }
    QWidget::contextMenuEvent(event);
}

} // namespace zelvan
