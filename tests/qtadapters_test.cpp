// SPDX-License-Identifier: MIT
#include "eventually.h"
#include "platform/qt/messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

// The warning as the user meets it: over the window it came from, which cannot
// be used until it is closed, and which gets the keyboard back afterwards.
TEST(QtMessageBox, ShowsTheTextUnderTheTitleAndReturnsAtOnce)
{
    QWidget owner;
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));

    QtMessageBox messageBox;
    messageBox.Warning("Tempo scaduto!", "Zelvan - 00:05:00");
    QPointer<QMessageBox> box = owner.findChild<QMessageBox *>();
    ASSERT_NE(box, nullptr) << "the box belongs to the active window";
    EXPECT_TRUE(box->isVisible()) << "shown, and Warning returned without waiting for the user";
    EXPECT_EQ(box->text(), "Tempo scaduto!");
    EXPECT_EQ(box->windowTitle(), "Zelvan - 00:05:00");
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(QApplication::activeModalWidget(), box.data());
    EXPECT_EVENTUALLY_EQ(QApplication::activeWindow(), box.data());

    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    EXPECT_EVENTUALLY_TRUE(box.isNull()); // closed and released
    EXPECT_EVENTUALLY_EQ(QApplication::activeWindow(), &owner);
}

} // namespace
} // namespace zelvan
