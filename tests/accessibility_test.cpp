// SPDX-License-Identifier: MIT
#include "alarm/qt/form2.h"
#include "window.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace zelvan {
namespace {


QString AccessibleText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(which) : QString();
}

// Checks that every control of the window tells a screen reader its name and
// what it does; returns the object names of the controls it checked.
QStringList ExpectNamedAndDescribed(QWidget &window)
{
    QStringList checked;
    for (QWidget *control : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (control->isWindow()) // the dial's menu is a window of its own
            continue;
        const std::string id = control->objectName().toStdString();
        EXPECT_FALSE(AccessibleText(control, QAccessible::Name).isEmpty()) << id;
        EXPECT_FALSE(AccessibleText(control, QAccessible::Description).isEmpty()) << id;
        checked << control->objectName();
    }
    checked.sort();
    return checked;
}

class AccessibilityTest : public ::testing::Test, public testing::WindowWithFakes
{
protected:
    ReadoutBox &Text1() { return Text1Box(); }
};

TEST_F(AccessibilityTest, EveryControlHasANameAndADescription)
{
    EXPECT_EQ(ExpectNamedAndDescribed(form),
              QStringList({"Picture1", "Text1", "cmdSetAlert", "cmdStart"}));
    Form2 dialog(nullptr, messageBox);
    EXPECT_EQ(ExpectNamedAndDescribed(dialog),
              QStringList({"Label1", "chkEnabled", "cmdCancel", "cmdOK", "txtTimeSet"}));
}

TEST_F(AccessibilityTest, StartButtonIsNamedByItsCaption)
{
    EXPECT_EQ(AccessibleText(&cmdStart(), QAccessible::Name), "Start");
    cmdStart().click();
    EXPECT_EQ(AccessibleText(&cmdStart(), QAccessible::Name), "Stop");
    cmdStart().click();
    EXPECT_EQ(AccessibleText(&cmdStart(), QAccessible::Name), "Continue");
}

// Screen readers speak the text changes of the focused object: a readout that
// changes every second keeps a fixed name and never takes the focus.
TEST_F(AccessibilityTest, ReadoutKeepsItsNameAndNeverTakesTheFocus)
{
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    cmdStart().click();
    for (int i = 0; i < 3; ++i) {
        clock.Advance(1);
        timer.Tick();
    }
    EXPECT_EQ(AccessibleText(&Text1(), QAccessible::Name), "Elapsed time");
    EXPECT_EQ(AccessibleText(&Text1(), QAccessible::Value), "00:00:03");
    // Screen readers on Linux read a text through the text interface.
    QAccessibleInterface *readout = QAccessible::queryAccessibleInterface(&Text1());
    ASSERT_NE(readout, nullptr);
    EXPECT_EQ(readout->role(), QAccessible::StaticText);
    EXPECT_TRUE(readout->state().readOnly);
    QAccessibleTextInterface *text = readout->textInterface();
    ASSERT_NE(text, nullptr);
    ASSERT_EQ(text->characterCount(), 8);
    EXPECT_EQ(text->text(0, 8), "00:00:03");
    // The last character's box lies in the right half of the readout.
    const QRect last = text->characterRect(7);
    EXPECT_GT(last.left(), Text1().mapToGlobal(QPoint(Text1().width() / 2, 0)).x());
    EXPECT_EQ(text->offsetAtPoint(last.center()), 7);

    cmdStart().setFocus();
    QTest::mouseClick(&Text1(), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), &cmdStart());
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), &Text1());
    }
}

} // namespace
} // namespace zelvan
