// SPDX-License-Identifier: MIT
#include "app/qt/form1.h"

#include "alarm/qt/form2.h"
#include "app/stopwatch.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/qt/accessible.h"
#include "platform/qt/controls.h"
#include "platform/qt/forms.h"
#include "platform/qt/lazysound.h"
#include "platform/qt/messagebox.h"
#include "platform/qt/picturebox.h"
#include "platform/qt/readoutbox.h"
#include "platform/qt/readoutpalette.h"
#include "platform/qt/timer.h"
#include "platform/qt/windowmanager.h"
#include "platform/sound.h"

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

} // namespace

Form1::Form1(Form1Services services) : m_services(std::move(services))
{
    InstallAccessibleInterface<Form1, AccessibleForm1>();
    UseRealServicesWhereNoneGiven();
    SetUpWindow();
    CreatePicture1();
    CreateCmdStart();
    CreateCmdSetAlert();
    CreateText1();
    setTabOrder(cmdStart, cmdSetAlert);
    CreateDialMenu();
    CreateStopwatch();
}

void Form1::CreateStopwatch()
{
    m_cmdStartCaption = std::make_unique<QtButton>(*cmdStart);
    m_stopwatch = std::make_unique<Stopwatch>(StopwatchParts{
        *m_services.clock, *m_services.timer, *Picture1, *this, *m_cmdStartCaption,
        *m_services.messageBox, *m_services.sound, *this, *m_services.attention, IsNormalFile,
        m_services.soundFolder});
    m_stopwatch->Form_Load();
}

void Form1::UseRealServicesWhereNoneGiven()
{
    if (!m_services.clock) {
        m_ownClock = std::make_unique<BootClock>();
        m_services.clock = m_ownClock.get();
    }
    if (!m_services.timer) {
        m_ownTimer = std::make_unique<QtTimer>(TickMilliseconds, this);
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
    if (!m_services.attention) {
        m_ownAttention = std::make_unique<QtAttention>(*this);
        m_services.attention = m_ownAttention.get();
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
    Picture1->SetPaintHandler([this] { m_stopwatch->Picture1_Paint(); });
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
    connect(cmdStart, &QPushButton::clicked, this, [this] { m_stopwatch->cmdStart_Click(); });
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
    connect(cmdSetAlert, &QPushButton::clicked, this, [this] { m_stopwatch->cmdSetAlert_Click(); });
    cmdSetAlert->setAccessibleName("Alarm");
    cmdSetAlert->setAccessibleDescription(
        "Sets an alarm that rings after 1 to 60 minutes of running time.");
}

void Form1::CreateText1()
{
    Text1 = new ReadoutBox(QString(), this);
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
    connect(m_resetAction, &QAction::triggered, this, [this] { m_stopwatch->ResetCount(); });
    addAction(m_resetAction);
    // Off at every start: the program stores no settings.
    m_onTopAction = new QAction("Always on top", this);
    m_onTopAction->setCheckable(true);
    connect(m_onTopAction, &QAction::toggled, this, [this](bool on) { SetAlwaysOnTop(on); });
    m_copyAction = new QAction("Copy", this);
    m_copyAction->setShortcut(QKeySequence::Copy);
    m_copyAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_copyAction, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setText(QString::fromStdString(m_stopwatch->CopyText()));
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

Form1::~Form1() = default;

Flag Form1::Run(Flag &Enabled, std::int16_t &timeset)
{
    // A fresh dialog each time, so every run starts from the current settings.
    Form2 dialog(this, *m_services.messageBox);
    const Flag accepted = dialog.CallAlarmSetting(this, Enabled, timeset);
    // The keyboard comes back here, even where no window manager hands it back.
    activateWindow();
    return accepted;
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
    m_stopwatch->Form_Unload();
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
