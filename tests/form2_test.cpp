// SPDX-License-Identifier: MIT
#include "alarm/qt/form2.h"
#include "canvas.h"
#include "eventually.h"
#include "platform/qt/forms.h"
#include "window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

namespace zelvan {
namespace {

QCheckBox &chkEnabled(Form2 &d)
{
    return *d.findChild<QCheckBox *>("chkEnabled");
}
QLineEdit &txtTimeSet(Form2 &d)
{
    return *d.findChild<QLineEdit *>("txtTimeSet");
}
QPushButton &cmdOK(Form2 &d)
{
    return *d.findChild<QPushButton *>("cmdOK");
}
QPushButton &cmdCancel(Form2 &d)
{
    return *d.findChild<QPushButton *>("cmdCancel");
}

// A key typed at whatever has the keyboard focus, as a user would type it.
void Type(Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, key);
}

void Type(const QString &text)
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr);
    QTest::keyClicks(focus, text);
}

// Replaces the minutes the way a user would: select all, then type.
void TypeMinutes(Form2 &d, const QString &text)
{
    QLineEdit &box = txtTimeSet(d);
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClicks(&box, text);
}

void SetChecked(Form2 &d, bool checked)
{
    if (chkEnabled(d).isChecked() != checked)
        QTest::mouseClick(&chkEnabled(d), Qt::LeftButton);
}

class AlarmDialogTest : public ::testing::Test, public testing::WindowWithFakes
{
protected:

    void SetUp() override
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Calls open, which runs the dialog modally, and works the open dialog with
    // drive from inside that run. Whatever drive leaves open is rejected, and a
    // watchdog rejects anything modal that stays up, so no test can hang.
    void DriveModal(const std::function<void()> &open, const std::function<void(Form2 &)> &drive)
    {
        bool driven = false;
        QTimer start;
        start.setSingleShot(true);
        QObject::connect(&start, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<Form2 *>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "no alarm dialog is open";
                return;
            }
            driven = true;
            // The window system activates the dialog a little after it shows, and
            // only then does the keyboard reach it.
            EXPECT_EVENTUALLY_TRUE(dialog->isActiveWindow());
            drive(*dialog);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
        QTimer watchdog;
        watchdog.setInterval(10000);
        QObject::connect(&watchdog, &QTimer::timeout, [] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                ADD_FAILURE() << "a modal window was still open after 10 s";
                if (auto *dialog = qobject_cast<QDialog *>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        watchdog.start();
        start.start(0);
        open();
        EXPECT_TRUE(driven);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    // One run of the dialog from the main window's "Alarm..." button.
    void RunAlarmDialog(const std::function<void(Form2 &)> &drive)
    {
        DriveModal([this] { QTest::mouseClick(&cmdSetAlert(), Qt::LeftButton); }, drive);
    }

    void ArmAt(const QString &minutes)
    {
        RunAlarmDialog([&](Form2 &d) {
            SetChecked(d, true);
            TypeMinutes(d, minutes);
            QTest::mouseClick(&cmdOK(d), Qt::LeftButton);
        });
    }

    void Disarm()
    {
        RunAlarmDialog([](Form2 &d) {
            SetChecked(d, false);
            QTest::mouseClick(&cmdOK(d), Qt::LeftButton);
        });
    }

    // The setting as the next run of the dialog shows it: ticked or not, and the minutes.
    QString Shown()
    {
        QString shown;
        RunAlarmDialog([&](Form2 &d) {
            shown = (chkEnabled(d).isChecked() ? "on " : "off ") + txtTimeSet(d).text();
            cmdCancel(d).click();
        });
        return shown;
    }
};

TEST_F(AlarmDialogTest, OpensAsAFixedModalDialogOverTheMainWindow)
{
    RunAlarmDialog([&](Form2 &d) {
        EXPECT_EQ(d.windowTitle(), "Alarm Setting");
        EXPECT_TRUE(d.isModal());
        EXPECT_EQ(d.parentWidget(), &form);
        EXPECT_EQ(d.windowType(), Qt::Dialog);
        const Qt::WindowFlags flags = d.windowFlags();
        EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
        EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        // It cannot be resized.
        EXPECT_EQ(d.minimumSize(), d.maximumSize());

        EXPECT_EQ(chkEnabled(d).text(), "Abilita l'allarme");
        const auto *label = d.findChild<QLabel *>("Label1");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), "Tempo limite in minuti:");
        // The whole text shows, in whatever font the system supplies.
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
        EXPECT_EQ(cmdOK(d).text(), "OK");
        EXPECT_EQ(cmdCancel(d).text(), "Annulla");
        // Every control shows whole: inside the dialog, and none over another.
        const QList<QWidget *> controls = d.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (const QWidget *control : controls) {
            const std::string name = control->objectName().toStdString();
            EXPECT_TRUE(d.rect().contains(control->geometry())) << name;
            for (const QWidget *other : controls)
                EXPECT_TRUE(other == control || !other->geometry().intersects(control->geometry()))
                    << name << " overlaps " << other->objectName().toStdString();
        }
        // In the faces the layout was made for, whatever the system's sans serif.
        const QStringList layoutFaces = FormFontFamilies();
        for (const char *name : {"chkEnabled", "Label1", "txtTimeSet", "cmdOK", "cmdCancel"}) {
            const QWidget *control = d.findChild<QWidget *>(name);
            ASSERT_NE(control, nullptr) << name;
            const QString family = QFontInfo(control->font()).family();
            EXPECT_TRUE(layoutFaces.contains(family))
                << control->objectName().toStdString() << " is drawn in " << family.toStdString();
            EXPECT_EQ(control->font().pointSizeF(), 8.25) << control->objectName().toStdString();
        }

        // The keyboard starts at the check box and tabs through the rest in order.
        EXPECT_EQ(QApplication::focusWidget(), &chkEnabled(d));
        Type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &txtTimeSet(d));
        Type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &cmdOK(d));
        Type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &cmdCancel(d));
        Type(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), &chkEnabled(d));
        cmdCancel(d).click();
    });
}

// The controls reach the dialog's steps, all by keyboard: tick the box, tab to
// the minutes, type, Enter; and what the main window keeps comes back next time.
TEST_F(AlarmDialogTest, ArmsAndDisarmsFromTheKeyboard)
{
    RunAlarmDialog([](Form2 &d) {
        EXPECT_FALSE(chkEnabled(d).isChecked());
        EXPECT_EQ(txtTimeSet(d).text(), "");
        Type(Qt::Key_Space);
        Type(Qt::Key_Tab);
        Type(QString("5"));
        Type(Qt::Key_Return);
    });
    EXPECT_EQ(Shown(), "on 5");
    RunAlarmDialog([](Form2 &d) {
        ASSERT_TRUE(chkEnabled(d).hasFocus());
        Type(Qt::Key_Space);
        Type(Qt::Key_Return);
    });
    EXPECT_EQ(Shown(), "off 5");
    EXPECT_TRUE(messageBox.shown.empty());
}

// A refused value warns through the program's message box, over the dialog,
// under the dialog's caption; the dialog stays open with the text as typed.
TEST_F(AlarmDialogTest, WarnsAndStaysOpenForMinutesOutsideOneToSixty)
{
    bool openBehindTheWarning = false;
    RunAlarmDialog([&](Form2 &d) {
        messageBox.whileOpen = [&] { openBehindTheWarning = d.isVisible(); };
        SetChecked(d, true);
        TypeMinutes(d, "61");
        QTest::mouseClick(&cmdOK(d), Qt::LeftButton);
        messageBox.whileOpen = nullptr;
        ASSERT_EQ(messageBox.shown.size(), 1u);
        EXPECT_EQ(messageBox.shown[0].text, "Impostare un valore tra 1 e 60 minuti.");
        EXPECT_EQ(messageBox.shown[0].title, "Alarm Setting");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(txtTimeSet(d).text(), "61");
        cmdCancel(d).click();
    });
    EXPECT_TRUE(openBehindTheWarning);
    EXPECT_EQ(Shown(), "off ");
}

TEST_F(AlarmDialogTest, CancelEscapeAndCloseApplyNothing)
{
    const struct
    {
        const char *name;
        std::function<void(Form2 &)> dismiss;
    } ways[] = {
        {"Annulla", [](Form2 &d) { QTest::mouseClick(&cmdCancel(d), Qt::LeftButton); }},
        {"Escape in the text box",
         [](Form2 &d) { QTest::keyClick(&txtTimeSet(d), Qt::Key_Escape); }},
        {"Escape on the check box",
         [](Form2 &d) {
             chkEnabled(d).setFocus();
             Type(Qt::Key_Escape);
         }},
        {"close command", [](Form2 &d) { d.close(); }},
    };
    ArmAt("5");
    for (const auto &way : ways) {
        SCOPED_TRACE(way.name);
        RunAlarmDialog([&](Form2 &d) {
            SetChecked(d, false);
            TypeMinutes(d, "30");
            way.dismiss(d);
            EXPECT_FALSE(d.isVisible());
        });
        EXPECT_EQ(Shown(), "on 5");
    }
    EXPECT_TRUE(messageBox.shown.empty());
}

TEST_F(AlarmDialogTest, EnterPressesOkUnlessAnotherButtonHasTheFocus)
{
    // From the text box.
    RunAlarmDialog([](Form2 &d) {
        SetChecked(d, true);
        TypeMinutes(d, "12");
        Type(Qt::Key_Return);
    });
    EXPECT_EQ(Shown(), "on 12");

    // From the check box, with the keypad's Enter.
    RunAlarmDialog([](Form2 &d) {
        TypeMinutes(d, "13");
        chkEnabled(d).setFocus();
        Type(Qt::Key_Enter);
    });
    EXPECT_EQ(Shown(), "on 13");

    // A focused Annulla takes Enter itself.
    RunAlarmDialog([](Form2 &d) {
        TypeMinutes(d, "14");
        cmdCancel(d).setFocus();
        Type(Qt::Key_Return);
    });
    EXPECT_EQ(Shown(), "on 13");

    // Once the focus has left Annulla, Enter is OK's again.
    RunAlarmDialog([](Form2 &d) {
        TypeMinutes(d, "15");
        Type(Qt::Key_Tab); // to OK
        Type(Qt::Key_Tab); // to Annulla
        ASSERT_EQ(QApplication::focusWidget(), &cmdCancel(d));
        txtTimeSet(d).setFocus();
        Type(Qt::Key_Return);
    });
    EXPECT_EQ(Shown(), "on 15");
}

TEST_F(AlarmDialogTest, GivesTheKeyboardBackToTheMainWindow)
{
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "OK" : "Annulla");
        RunAlarmDialog([&](Form2 &d) { (confirm ? cmdOK(d) : cmdCancel(d)).click(); });
        // What the user types next reaches the main window: Ctrl+R resets the count.
        ASSERT_EVENTUALLY_EQ(QGuiApplication::focusWindow(), form.windowHandle());
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        QTest::mouseClick(&cmdStart(), Qt::LeftButton);
        RunFor(1);
        ASSERT_EQ(Text1(), "00:00:01");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        EXPECT_EQ(Text1(), "00:00:00");
        QTest::mouseClick(&cmdStart(), Qt::LeftButton);
    }
}

// The armed alarm shows as a red hand on the dial.
class AlarmHandTest : public AlarmDialogTest
{
protected:
    bool ColourNear(double x, double y, QColor colour)
    {
        return testing::ColourNear(Picture1().Canvas(), x, y, colour);
    }

    // Red pixels all along the way from the boss to the tip of a hand pointing
    // at the given minute; the tip is at 0.65 of the radius.
    bool RedHandTowards(double minutes)
    {
        const double a = std::numbers::pi / 2 - minutes * std::numbers::pi / 30;
        for (double r = 0.1; r <= 0.6; r += 0.05)
            if (!ColourNear(C + r * R * std::cos(a), C - r * R * std::sin(a), Qt::red))
                return false;
        return true;
    }
    // No red at all on its path, not even a stray pixel of the hand.
    bool NoRedTowards(double minutes)
    {
        const double a = std::numbers::pi / 2 - minutes * std::numbers::pi / 30;
        for (double r = 0.1; r <= 0.6; r += 0.05)
            if (ColourNear(C + r * R * std::cos(a), C - r * R * std::sin(a), Qt::red))
                return false;
        return true;
    }

    void Tick() { RunFor(1); }

    static constexpr double C = 1147;
    static constexpr double R = 1136;
};

TEST_F(AlarmHandTest, ShowsAndGoesAsSoonAsTheDialogIsAccepted)
{
    // Stopped, so no tick will come to draw it.
    ASSERT_TRUE(NoRedTowards(5));
    ArmAt("5");
    EXPECT_TRUE(RedHandTowards(5));
    Disarm();
    EXPECT_TRUE(NoRedTowards(5));

    // Running, between two ticks: moved at once from 5 to 20 minutes.
    ArmAt("5");
    QTest::mouseClick(&cmdStart(), Qt::LeftButton);
    Tick();
    ASSERT_TRUE(RedHandTowards(5));
    ArmAt("20");
    EXPECT_TRUE(RedHandTowards(20));
    EXPECT_TRUE(NoRedTowards(5));
    // The hands of the count are back too, the second hand at 1 s.
    EXPECT_TRUE(ColourNear(C + 0.65 * R * std::sin(std::numbers::pi / 30),
                           C - 0.65 * R * std::cos(std::numbers::pi / 30), Qt::black));

    // Cancel leaves the hand as it is, whatever was changed in the dialog.
    RunAlarmDialog([](Form2 &d) {
        SetChecked(d, false);
        QTest::mouseClick(&cmdCancel(d), Qt::LeftButton);
    });
    EXPECT_TRUE(RedHandTowards(20));
    Disarm();
    EXPECT_TRUE(NoRedTowards(20));
    Tick();
    EXPECT_TRUE(NoRedTowards(20));
}

TEST_F(AlarmHandTest, ComesBackWithEveryRepaint)
{
    ArmAt("5");
    QTest::mouseClick(&cmdStart(), Qt::LeftButton);
    Tick();
    ASSERT_TRUE(RedHandTowards(5));
    // The picture lost behind the program's back: a repaint draws the hand again.
    const_cast<QImage &>(Picture1().Canvas()).fill(Qt::green);
    Picture1().Refresh();
    EXPECT_EVENTUALLY_TRUE(RedHandTowards(5));
}

TEST_F(AlarmDialogTest, AfterTheDialogOnlyTheButtonEnterPressesLooksLikeTheDefault)
{
    // Opened with the mouse, the dialog hands the focus back to "Alarm...".
    RunAlarmDialog([](Form2 &d) { QTest::mouseClick(&cmdCancel(d), Qt::LeftButton); });
    ASSERT_EVENTUALLY_TRUE(cmdSetAlert().hasFocus());
    EXPECT_TRUE(cmdSetAlert().isDefault());
    EXPECT_FALSE(cmdStart().isDefault());
    // And Enter does press that button.
    DriveModal([&] { QTest::keyClick(&cmdSetAlert(), Qt::Key_Return); },
               [](Form2 &d) { d.reject(); });
    EXPECT_EQ(cmdStart().text(), "Start");
}

TEST_F(AlarmDialogTest, TheFocusedCheckBoxShowsItsFocusMarkerWithoutATab)
{
    RunAlarmDialog([](Form2 &d) {
        QCheckBox &box = chkEnabled(d);
        ASSERT_TRUE(box.hasFocus());
        const QImage shown = box.grab().toImage();
        // The same box drawn as before any key was pressed, without the marker.
        d.setAttribute(Qt::WA_KeyboardFocusChange, false);
        const QImage unmarked = box.grab().toImage();
        EXPECT_NE(shown, unmarked);
        d.reject();
    });
}

// The dialog reads the user's separators: in Italian ',' is the decimal
// separator and '.' groups thousands.
TEST_F(AlarmDialogTest, ReadsTheMinutesWithTheLocalesSeparators)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    ArmAt("2,5");
    EXPECT_EQ(Shown(), "on 2");
    RunAlarmDialog([](Form2 &d) {
        TypeMinutes(d, "1.000");
        QTest::mouseClick(&cmdOK(d), Qt::LeftButton);
        EXPECT_TRUE(d.isVisible());
        d.reject();
    });
    EXPECT_EQ(messageBox.shown.size(), 1u);
    QLocale::setDefault(before);
}

} // namespace
} // namespace zelvan
