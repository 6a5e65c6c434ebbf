// SPDX-License-Identifier: MIT
#include "eventually.h"
#include "platform/qt/messagebox.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace zelvan {
namespace {

QMessageBox *OpenBox()
{
    QMessageBox *box = nullptr;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *found = qobject_cast<QMessageBox *>(widget); found && found->isVisible())
            box = found;
    return box;
}

// The warning as the user meets it: over the window it came from, which cannot
// be used until it is closed, and which gets the keyboard back afterwards.
TEST(QtMessageBoxTest, ShowsTheTextUnderTheTitleAndReturnsAtOnce)
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

// A warning belongs to the program's topmost window whichever window is active,
// so the window manager keeps it above that window: a box without an owner can
// open beneath a main window kept on top, unseen yet holding the keyboard.
TEST(QtMessageBoxTest, BelongsToTheTopmostWindowOfTheProgram)
{
    struct Row
    {
        const char *name;
        bool mainOnTop;
        bool dialogOpen;
    };
    for (const Row &row :
         {Row{"main window alone", false, false}, Row{"main window kept on top", true, false},
          Row{"modal dialog over the main window", false, true},
          Row{"modal dialog over a main window on top", true, true}}) {
        SCOPED_TRACE(row.name);
        QWidget main;
        main.setWindowFlag(Qt::WindowStaysOnTopHint, row.mainOnTop);
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        std::unique_ptr<QDialog> dialog;
        if (row.dialogOpen) {
            dialog = std::make_unique<QDialog>(&main);
            dialog->setWindowFlag(Qt::WindowStaysOnTopHint, row.mainOnTop);
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        }
        // Another program has the keyboard: none of ours is active.
        QApplication::setActiveWindow(nullptr);
        ASSERT_EQ(QApplication::activeWindow(), nullptr);

        QtMessageBox messageBox(&main);
        messageBox.Warning("Tempo scaduto!", "Zelvan - 00:01:00");
        QMessageBox *box = OpenBox();
        ASSERT_NE(box, nullptr);
        QWidget *owner = row.dialogOpen ? static_cast<QWidget *>(dialog.get()) : &main;
        EXPECT_EQ(box->parentWidget(), owner);
        EXPECT_EQ(box->windowHandle()->transientParent(), owner->windowHandle());
        EXPECT_EQ(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint), row.mainOnTop);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        box->close();
        EXPECT_EVENTUALLY_TRUE(OpenBox() == nullptr);
    }
}

// With another program at the keyboard, keys meant for it must not close the
// warning unseen, so it opens without the keyboard (as a window manager shows:
// e2e.WindowManager.Alarm); yet it must take the keyboard once the user comes
// to it. At one of the program's windows it takes it at once.
TEST(QtMessageBoxTest, TakesTheKeyboardWhenTheUserComesToIt)
{
    for (const bool userHere : {true, false}) {
        SCOPED_TRACE(userHere ? "main window active" : "another program active");
        QWidget main;
        main.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
        if (userHere) {
            main.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
        } else {
            QApplication::setActiveWindow(nullptr);
        }

        QtMessageBox(&main).Warning("Tempo scaduto!", "Zelvan - 00:01:00");
        QMessageBox *box = OpenBox();
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
        if (userHere)
            EXPECT_EVENTUALLY_TRUE(QApplication::activeWindow() == box);
        // What the window manager is told: the box takes the focus when given it.
        EXPECT_EVENTUALLY_TRUE(
            !box->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus));
        EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        box->close();
        EXPECT_EVENTUALLY_TRUE(OpenBox() == nullptr);
    }
}

} // namespace
} // namespace zelvan
