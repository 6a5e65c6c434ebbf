// SPDX-License-Identifier: MIT
#include "canvas.h"
#include "eventually.h"
#include "platform/qt/forms.h"
#include "window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

class Form1Test : public ::testing::Test, public testing::WindowWithFakes
{
protected:
    void Show()
    {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
};

TEST_F(Form1Test, OpensReadyAtZero)
{
    EXPECT_EQ(form.windowTitle(), "Zelvan - 00:00:00");
    EXPECT_EQ(Text1(), "00:00:00");
    EXPECT_EQ(cmdStart().text(), "Start");
    EXPECT_EQ(form.findChild<QPushButton *>("cmdSetAlert")->text(), "Alarm...");
    EXPECT_FALSE(timer.Enabled());
    // Every control shows whole: inside the window, and none over another.
    const QList<QWidget *> controls = form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *control : controls) {
        if (control->isWindow()) // the dial's menu
            continue;
        const std::string name = control->objectName().toStdString();
        EXPECT_TRUE(form.rect().contains(control->geometry())) << name;
        for (const QWidget *other : controls)
            EXPECT_TRUE(other == control || other->isWindow() ||
                        !other->geometry().intersects(control->geometry()))
                << name << " overlaps " << other->objectName().toStdString();
    }
}

TEST_F(Form1Test, DrawsControlsAndDialInTheLayoutsFont)
{
    // The twips layout holds only in faces with these metrics; the system's
    // sans serif may be far wider, or monospace where Liberation is all there is.
    const QStringList layoutFaces = FormFontFamilies();
    for (const char *name : {"cmdStart", "cmdSetAlert", "Picture1"}) {
        const QWidget *control = form.findChild<QWidget *>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_TRUE(layoutFaces.contains(QFontInfo(control->font()).family()))
            << name << " is drawn in " << QFontInfo(control->font()).family().toStdString();
        EXPECT_EQ(control->font().pointSizeF(), 8.25) << name;
    }
    // The captions fit their buttons with room for the frame.
    for (const QPushButton *button : form.findChildren<QPushButton *>())
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 16)
            << button->objectName().toStdString();
}

// A click reaches the stopwatch, and what it shows reaches the window.
TEST_F(Form1Test, StartShowsTheCountInTheReadoutAndTheCaption)
{
    Show();
    cmdStart().click();
    EXPECT_EQ(cmdStart().text(), "Stop");
    EXPECT_TRUE(timer.Enabled());
    RunFor(5);
    EXPECT_EQ(Text1(), "00:00:05");
    EXPECT_EQ(form.windowTitle(), "Zelvan - 00:00:05");
    QTest::mouseClick(&cmdStart(), Qt::LeftButton);
    EXPECT_EQ(cmdStart().text(), "Continue");
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(Form1Test, EnterClicksStart)
{
    Show();
    form.findChild<ReadoutBox *>("Text1")->setFocus();
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(cmdStart().text(), "Stop");
    QTest::keyClick(&form, Qt::Key_Enter);
    EXPECT_EQ(cmdStart().text(), "Continue");
    cmdStart().setFocus();
    QTest::keyClick(&cmdStart(), Qt::Key_Return);
    EXPECT_EQ(cmdStart().text(), "Stop");
    QTest::keyClick(&cmdStart(), Qt::Key_Space);
    EXPECT_EQ(cmdStart().text(), "Continue");
}

TEST_F(Form1Test, ClosingWhileRunningStopsTheTimer)
{
    Show();
    cmdStart().click();
    ASSERT_TRUE(timer.Enabled());
    form.close();
    EXPECT_FALSE(timer.Enabled());
}

TEST_F(Form1Test, MinimisedWindowKeepsCountingInItsCaption)
{
    Show();
    cmdStart().click();
    RunFor(3);
    form.showMinimized();
    ASSERT_EVENTUALLY_TRUE(form.isMinimized());
    RunFor(2);
    EXPECT_EQ(form.windowTitle(), "Zelvan - 00:00:05");
    EXPECT_EQ(Text1(), "00:00:03");
    form.showNormal();
    RunFor(1);
    EXPECT_EQ(Text1(), "00:00:06");
}

// Canvas pixels: logical twips at 15 to the pixel, times the device-pixel ratio.
class CanvasTest : public Form1Test
{
protected:
    QColor PixelAtTwips(double x, double y)
    {
        return testing::PixelAtTwips(Picture1().Canvas(), x, y);
    }
    bool ColourNear(double x, double y, QColor colour)
    {
        return testing::ColourNear(Picture1().Canvas(), x, y, colour);
    }

    static constexpr double C = 1147;
    static constexpr double R = 1136;
};

TEST_F(CanvasTest, IsSizedForTheScreen)
{
    Show();
    const QImage &canvas = Picture1().Canvas();
    EXPECT_EQ(canvas.size(), QSize(153, 153) * Picture1().devicePixelRatioF());
    EXPECT_EQ(canvas.devicePixelRatio(), Picture1().devicePixelRatioF());
    // Run again under QT_SCALE_FACTOR=2, the canvas must really be at double scale.
    const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
    if (!scale.isEmpty()) {
        EXPECT_EQ(canvas.devicePixelRatio(), scale.toDouble());
    }
}

TEST_F(CanvasTest, ShowsTheDialFaceUnderTheHands)
{
    Show();
    const double pi = std::acos(-1.0);
    // The olive ring between the numerals 60 and 5.
    EXPECT_TRUE(ColourNear(C + 0.9 * R * std::sin(pi / 12), C - 0.9 * R * std::cos(pi / 12),
                           QColor(176, 176, 0)));
    // The white face, and the red mark at the top.
    EXPECT_EQ(PixelAtTwips(C - 0.75 * R, C - 0.2 * R), Qt::white);
    EXPECT_TRUE(ColourNear(C, C - 0.75 * R, Qt::red));
    // The hands and the boss over the face.
    EXPECT_TRUE(ColourNear(C, C - 0.65 * R, Qt::black));
    EXPECT_TRUE(ColourNear(C, C - 0.3 * R, Qt::black));
}

TEST_F(CanvasTest, MovesTheSecondHandAndLeavesNoTrace)
{
    Show();
    // At 0 s only the second hand reaches 0.65 of the radius straight up.
    EXPECT_TRUE(ColourNear(C, C - 0.65 * R, Qt::black));
    cmdStart().click();
    RunFor(15);
    EXPECT_FALSE(ColourNear(C, C - 0.65 * R, Qt::black));
    EXPECT_TRUE(ColourNear(C, C - 0.65 * R, Qt::white));
    EXPECT_TRUE(ColourNear(C + 0.65 * R, C, Qt::black));
}

TEST_F(CanvasTest, RestoringAMinimisedWindowShowsTheCurrentHands)
{
    Show();
    cmdStart().click();
    form.showMinimized();
    ASSERT_EVENTUALLY_TRUE(form.isMinimized());
    RunFor(15); // nothing is drawn meanwhile
    form.showNormal();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // No tick since: the restore's repaint alone brings the hand to 15 s.
    EXPECT_EVENTUALLY_TRUE(ColourNear(C + 0.65 * R, C, Qt::black));
    EXPECT_FALSE(ColourNear(C, C - 0.65 * R, Qt::black));
}

TEST_F(CanvasTest, ARepaintBringsBackFaceAndHands)
{
    Show();
    cmdStart().click();
    RunFor(15);
    // Paint over the canvas behind the widget's back; a repaint must restore it all.
    const_cast<QImage &>(Picture1().Canvas()).fill(Qt::green);
    Picture1().Refresh();
    ASSERT_EVENTUALLY_TRUE(PixelAtTwips(C, C - 0.9 * R) != Qt::green);
    EXPECT_TRUE(ColourNear(C + 0.65 * R, C, Qt::black));
    EXPECT_EQ(PixelAtTwips(C - 0.75 * R, C - 0.2 * R), Qt::white);
    const_cast<QImage &>(Picture1().Canvas()).fill(Qt::green);
    form.hide();
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EVENTUALLY_TRUE(ColourNear(C + 0.65 * R, C, Qt::black));
    EXPECT_EVENTUALLY_EQ(PixelAtTwips(C - 0.75 * R, C - 0.2 * R), Qt::white);
}

TEST_F(CanvasTest, ResetBringsTheSecondHandBackToTheTop)
{
    Show();
    cmdStart().click();
    RunFor(15);
    ASSERT_TRUE(ColourNear(C + 0.65 * R, C, Qt::black));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QTest::keyClick(&form, Qt::Key_R, Qt::ControlModifier);
    EXPECT_TRUE(ColourNear(C, C - 0.65 * R, Qt::black));
    EXPECT_FALSE(ColourNear(C + 0.65 * R, C, Qt::black));
}

// Canvas pixels of the area around the brand words, below the centre.
QRect BrandWordsArea(const QImage &canvas)
{
    const QPoint topLeft = testing::CanvasPixel(canvas, 1147 - 330, 1147 + 160);
    const QPoint bottomRight = testing::CanvasPixel(canvas, 1147 + 660, 1147 + 620);
    return QRect(topLeft, bottomRight);
}

// How many pixels of the area are neither the colour of the face nor black.
int BlendedPixels(const QImage &canvas, const QRect &area, QColor face)
{
    int blended = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (const QColor c = canvas.pixelColor(x, y); c != face && c != Qt::black)
                ++blended;
    return blended;
}

TEST_F(CanvasTest, BrandWordsStayAsFirstDrawnWhateverTheTicks)
{
    Show();
    const QRect words = BrandWordsArea(Picture1().Canvas());
    const QImage first = Picture1().Canvas().copy(words);
    int ink = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x)
            ink += first.pixelColor(x, y) == Qt::black;
    ASSERT_GT(ink, 50) << "no brand words in the area";
    // Whole pixels of ink, nothing blended with the face: a reprint over them
    // has nothing to add.
    EXPECT_EQ(BlendedPixels(first, first.rect(), Qt::white), 0);

    cmdStart().click();
    // Each whole minute the second hand is back at the top, off the words,
    // after sweeping through them; the minute hand stays above them.
    int counted = 0;
    for (const int minutes : {1, 2, 10}) {
        RunFor(minutes * 60 - counted);
        counted = minutes * 60;
        ASSERT_EQ(Text1(), QString("00:%1:00").arg(minutes, 2, 10, QChar('0')));
        EXPECT_EQ(Picture1().Canvas().copy(words), first) << "after " << minutes << " min";
    }
}

TEST_F(CanvasTest, NumeralsLieInsideTheRingInWholePixels)
{
    Show();
    const QImage &canvas = Picture1().Canvas();
    const double ratio = canvas.devicePixelRatio();
    const double k = ratio / 15.0;
    const double pi = std::acos(-1.0);
    const QPointF centre(C * k, C * k);
    const double outer = R * k;
    const double inner = 0.8 * R * k;
    // How far the edges' lines reach either side of their radius.
    const double pen = std::max(1.0, std::round(ratio)) + 1;
    const QColor ring(176, 176, 0);
    const QColor window = Picture1().palette().color(QPalette::Window);
    // Distance of a pixel from the nearest of the sixty marks' lines.
    const auto offMarks = [&](QPointF p) {
        double nearest = 1e9;
        for (int j = 1; j <= 60; ++j) {
            const double a = pi / 2 - 2 * j * pi / 60;
            const QPointF d = p - centre;
            if (d.x() * std::cos(a) - d.y() * std::sin(a) > 0)
                nearest = std::min(nearest, std::abs(d.x() * std::sin(a) + d.y() * std::cos(a)));
        }
        return nearest;
    };
    for (int i = 5; i <= 60; i += 5) {
        const double angle = pi / 2 - 2 * i * pi / 60;
        const QPointF point = centre + QPointF(std::cos(angle), -std::sin(angle)) * 0.9 * outer;
        const QRect box =
            QRectF(point - QPointF(14, 12) * ratio, point + QPointF(14, 12) * ratio).toRect() &
            canvas.rect();
        int ink = 0, outside = 0, onFace = 0, blended = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = canvas.pixelColor(x, y);
                const QPointF p(x + 0.5, y + 0.5);
                const double d = std::hypot(p.x() - centre.x(), p.y() - centre.y());
                const bool black = c == Qt::black;
                ink += black && d > inner + pen && d < outer - pen;
                outside += black && d > outer + pen;
                onFace += black && d < inner - pen && offMarks(p) > pen;
                blended +=
                    c != Qt::black && c != Qt::white && c != Qt::red && c != ring && c != window;
            }
        EXPECT_GT(ink, 10 * ratio * ratio) << "no numeral " << i << " on the ring";
        EXPECT_EQ(outside, 0) << "numeral " << i << " spills off the dial";
        EXPECT_EQ(onFace, 0) << "numeral " << i << " runs onto the face";
        // Drawn like the brand words, in whole pixels of ink.
        EXPECT_EQ(blended, 0) << "numeral " << i;
    }
}

// Lengths of the runs of a colour across the middle of a mark, one per
// column (along a vertical line for a horizontal mark, and the other way round).
int ThicknessAcross(const QImage &canvas, QPointF middle, bool horizontalMark, QColor colour)
{
    // A slanted line steps from one row to the next somewhere; the thinnest of
    // a few neighbouring cuts is its weight.
    int thinnest = 100;
    for (int along = -2; along <= 2; ++along) {
        const QPoint p = middle.toPoint() + (horizontalMark ? QPoint(along, 0) : QPoint(0, along));
        // Not so far as the next mark, six degrees on.
        const int reach = 1 + 2 * qRound(canvas.devicePixelRatio());
        int run = 0;
        for (int d = -reach; d <= reach; ++d) {
            const QPoint q = horizontalMark ? QPoint(p.x(), p.y() + d) : QPoint(p.x() + d, p.y());
            run += canvas.pixelColor(q) == colour;
        }
        thinnest = std::min(thinnest, run);
    }
    return thinnest;
}

TEST_F(CanvasTest, MarksAreAllOfOneWeight)
{
    Show();
    const QImage &canvas = Picture1().Canvas();
    const double k = canvas.devicePixelRatio() / 15.0;
    const double pi = std::acos(-1.0);
    const int weight = std::max(1, qRound(canvas.devicePixelRatio()));
    const auto middle = [&](int i) {
        const double angle = pi / 2 - 2 * i * pi / 60;
        return QPointF((C + 0.75 * R * std::cos(angle)) * k, (C - 0.75 * R * std::sin(angle)) * k);
    };
    // The red marks across the axes, and their black neighbours, a few
    // degrees off the axes and so measured across the same way.
    for (const int i : {15, 45})
        EXPECT_EQ(ThicknessAcross(canvas, middle(i), true, Qt::red), weight) << "mark " << i;
    for (const int i : {30, 60})
        EXPECT_EQ(ThicknessAcross(canvas, middle(i), false, Qt::red), weight) << "mark " << i;
    for (const int i : {14, 16, 44, 46})
        EXPECT_EQ(ThicknessAcross(canvas, middle(i), true, Qt::black), weight) << "mark " << i;
    for (const int i : {29, 31, 59, 1})
        EXPECT_EQ(ThicknessAcross(canvas, middle(i), false, Qt::black), weight) << "mark " << i;
}

// The dial's menu and the shortcut; the reset itself in each run-control state.
class ResetTest : public Form1Test
{
protected:
    QAction &Action(const QString &text)
    {
        for (QAction *action : form.findChildren<QAction *>())
            if (action->text() == text)
                return *action;
        ADD_FAILURE() << "no action " << text.toStdString();
        static QAction none;
        return none;
    }

    void ShowActive()
    {
        Show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // The readout and the caption read zero.
    void ExpectZero()
    {
        EXPECT_EQ(Text1(), "00:00:00");
        EXPECT_EQ(form.windowTitle(), "Zelvan - 00:00:00");
    }
};

TEST_F(ResetTest, CtrlRResetsWhereverTheFocusIs)
{
    ShowActive();
    cmdStart().click();
    for (const char *name : {"cmdStart", "cmdSetAlert"}) {
        SCOPED_TRACE(name);
        RunFor(4);
        auto *button = form.findChild<QPushButton *>(name);
        button->setFocus();
        QTest::keyClick(button, Qt::Key_R, Qt::ControlModifier);
        ExpectZero();
        EXPECT_EQ(cmdStart().text(), "Stop");
    }
}

TEST_F(ResetTest, DialMenuOffersCopyResetAndAlwaysOnTop)
{
    ShowActive();
    // Through the window, as the window system delivers it, so that Qt turns
    // the right button into a context-menu request.
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {},
                      Picture1().mapTo(&form, QPoint(70, 70)));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QList<QAction *> actions = menu->actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_EQ(actions[0]->text(), "Copy");
    EXPECT_EQ(actions[0]->shortcut(), QKeySequence::Copy);
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), "Reset");
    EXPECT_EQ(actions[2]->shortcut(), QKeySequence("Ctrl+R"));
    EXPECT_EQ(actions[3]->text(), "Always on top");
    EXPECT_TRUE(actions[3]->isCheckable());
    EXPECT_FALSE(actions[3]->isChecked());
    // It opens where the user clicked.
    EXPECT_TRUE(menu->geometry().contains(Picture1().mapToGlobal(QPoint(71, 71))));

    cmdStart().click();
    RunFor(9);
    menu->activateWindow();
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_FALSE(menu->isVisible());
    ExpectZero();
}

// Wayland gives clients no way to keep a window above the others, so the menu
// does not offer it there. Runs in the Wayland end-to-end test, under Weston.
TEST_F(ResetTest, DialMenuLeavesOutAlwaysOnTopOnWayland)
{
    if (!QGuiApplication::platformName().startsWith("wayland"))
        GTEST_SKIP() << "needs the wayland platform";
    // Wayland lets no client activate itself: shown is as far as it goes.
    Show();
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {},
                      Picture1().mapTo(&form, QPoint(70, 70)));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QStringList texts;
    for (const QAction *action : menu->actions())
        texts << action->text();
    EXPECT_EQ(texts, QStringList({"Copy", "", "Reset"}));
    menu->close();
}

// The readout cannot be selected like a text box, so its menu and Ctrl+C copy it.
TEST_F(ResetTest, ReadoutMenuAndCtrlCCopyTheElapsedTime)
{
    ShowActive();
    cmdStart().click();
    RunFor(9);
    QGuiApplication::clipboard()->clear();
    auto &text1 = *form.findChild<ReadoutBox *>("Text1");
    QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, text1.mapTo(&form, QPoint(20, 10)));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->activateWindow();
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "00:00:09");

    RunFor(3);
    cmdStart().setFocus();
    QTest::keyClick(&cmdStart(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "00:00:12");
    EXPECT_EQ(cmdStart().text(), "Stop"); // the count goes on
}

TEST_F(ResetTest, MenuKeyOnAButtonOpensTheDialMenu)
{
    ShowActive();
    cmdStart().setFocus();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5),
                              cmdStart().mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&cmdStart(), &menuKey);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->actions().first()->text(), "Copy");
    menu->close();
}

TEST_F(ResetTest, AlwaysOnTopSetsAndClearsTheFlagAndKeepsTheCount)
{
    ShowActive();
    form.move(200, 150);
    const QPoint position = form.pos();
    cmdStart().click();
    RunFor(7);
    QAction &onTop = Action("Always on top");

    onTop.trigger();
    EXPECT_TRUE(onTop.isChecked());
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.pos(), position);
    EXPECT_EQ(form.windowTitle(), "Zelvan - 00:00:07");
    EXPECT_TRUE(timer.Enabled());
    // The window the count lives in is the same one, and it goes on counting.
    EXPECT_EQ(QApplication::topLevelWidgets().count(&form), 1);
    RunFor(1);
    EXPECT_EQ(Text1(), "00:00:08");

    onTop.trigger();
    EXPECT_FALSE(onTop.isChecked());
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.pos(), position);
    EXPECT_EQ(Text1(), "00:00:08");
    // The other window flags, such as the missing maximise button, are kept.
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
}

// A hidden window loses the keyboard to another one, as under a window manager,
// and Always on top hides the window to make it anew. On a platform that
// activates a window only on request (gui.KeyboardOnRequestOnly) it must ask.
TEST_F(ResetTest, KeyboardStaysWithTheWindowAcrossAlwaysOnTop)
{
    QWidget other;
    other.show();
    ShowActive();
    struct HandOnWhenHidden : QObject
    {
        QWidget *to = nullptr;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Hide)
                to->activateWindow();
            return false;
        }
    } handOn;
    handOn.to = &other;
    form.installEventFilter(&handOn);
    cmdStart().click();
    for (const char *turn : {"on", "off"}) {
        SCOPED_TRACE(turn);
        Action("Always on top").trigger();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QCoreApplication::processEvents();
        EXPECT_EQ(QGuiApplication::focusWindow(), form.windowHandle());
        RunFor(3);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::ControlModifier);
        ExpectZero();
    }
}

} // namespace
} // namespace zelvan
