// SPDX-License-Identifier: MIT
// The main window as a keyboard or screen-reader user meets it.
#include "eventually.h"
#include "window.h"

#include <QAccessible>
#include <QApplication>
#include <QFocusEvent>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

class KeyboardTest : public ::testing::Test, public testing::WindowWithFakes
{
protected:

    void SetUp() override
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    QPushButton &Button(const char *name) { return *form.findChild<QPushButton *>(name); }
};

TEST_F(KeyboardTest, ShiftF10OpensTheContextMenuOnEitherButton)
{
    for (const char *name : {"cmdStart", "cmdSetAlert"}) {
        SCOPED_TRACE(name);
        Button(name).setFocus();
        QTest::keyClick(&Button(name), Qt::Key_F10, Qt::ShiftModifier);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->actions().first()->text(), "Copy");
        menu->close();
        EXPECT_EVENTUALLY_TRUE(QApplication::activePopupWidget() == nullptr);
    }
    // F10 alone is not the menu's key.
    QTest::keyClick(&Button("cmdStart"), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(KeyboardTest, TheMainWindowIsAWindowToScreenReaders)
{
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "Zelvan - 00:00:00");
    // Its controls are still its children.
    bool hasStart = false;
    for (int i = 0; i < window->childCount(); ++i)
        hasStart = hasStart || window->child(i)->object() == &Button("cmdStart");
    EXPECT_TRUE(hasStart);
}

TEST_F(KeyboardTest, OnlyTheFocusedButtonLooksLikeTheDefault)
{
    Button("cmdStart").setFocus();
    EXPECT_TRUE(Button("cmdStart").isDefault());
    EXPECT_FALSE(Button("cmdSetAlert").isDefault());
    QTest::keyClick(&Button("cmdStart"), Qt::Key_Tab);
    ASSERT_TRUE(Button("cmdSetAlert").hasFocus());
    EXPECT_TRUE(Button("cmdSetAlert").isDefault());
    EXPECT_FALSE(Button("cmdStart").isDefault());
    QTest::keyClick(&Button("cmdSetAlert"), Qt::Key_Backtab);
    ASSERT_TRUE(Button("cmdStart").hasFocus());
    EXPECT_TRUE(Button("cmdStart").isDefault());
    EXPECT_FALSE(Button("cmdSetAlert").isDefault());
}

// Before the window has ever given Start the focus, Start is the default
// button; a click on "Alarm..." then gives that button the focus, and with
// it Enter, so Start must give up its look.
TEST(DefaultLookTest, AClickOnAlarmBeforeStartEverHadTheFocus)
{
    testing::WindowWithFakes window;
    QPushButton &cmdStart = window.cmdStart();
    QPushButton &cmdSetAlert = window.cmdSetAlert();
    ASSERT_TRUE(cmdStart.isDefault());
    ASSERT_FALSE(cmdStart.hasFocus());
    // The focus a click gives, without the dialog the click would open.
    cmdSetAlert.setFocus(Qt::MouseFocusReason);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(&cmdSetAlert, &focusIn);
    EXPECT_TRUE(cmdSetAlert.isDefault());
    EXPECT_FALSE(cmdStart.isDefault());
    QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
    QApplication::sendEvent(&cmdSetAlert, &focusOut);
    EXPECT_TRUE(cmdStart.isDefault());
}

} // namespace
} // namespace zelvan
