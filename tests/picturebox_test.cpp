// SPDX-License-Identifier: MIT
#include "eventually.h"
#include "platform/qt/picturebox.h"

#include <QPaintEvent>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

// The canvas's pixels that differ between two pictures of it, in logical pixels.
QRegion Changed(const QImage &before, const QImage &after)
{
    QRegion changed;
    const double ratio = after.devicePixelRatio();
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                changed += QRect(static_cast<int>(x / ratio), static_cast<int>(y / ratio), 1, 1);
    return changed;
}

// The box around the dark pixels of the canvas within a rectangle of device pixels.
QRect InkBox(const QImage &canvas, const QRect &within)
{
    QRect ink;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (canvas.pixelColor(x, y).lightness() < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

class PictureBoxTest : public ::testing::Test, public QObject
{
protected:
    void SetUp() override
    {
        box.resize(200, 120);
        box.installEventFilter(this);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        ASSERT_EVENTUALLY_TRUE(paints > 0);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            shown += static_cast<QPaintEvent *>(event)->region();
        }
        return false;
    }

    PictureBox box;
    int paints = 0;
    QRegion shown; // all that the window system was asked to show
};

// Drawing between repaints is shown at once: every pixel it changed is
// repainted, however thin or straight the shape.
TEST_F(PictureBoxTest, ShowsEveryPixelItDraws)
{
    const struct
    {
        const char *name;
        std::function<void(PictureBox &)> draw;
    } shapes[] = {
        // Twips, 15 to the pixel: lines along whole pixels have no width of their own.
        {"horizontal line", [](PictureBox &b) { b.Line(150, 300, 1500, 300); }},
        {"vertical line", [](PictureBox &b) { b.Line(1650, 150, 1650, 1500); }},
        {"slanted line", [](PictureBox &b) { b.Line(2250, 1650, 2850, 150, Rgb(255, 0, 0)); }},
        {"circle", [](PictureBox &b) { b.Circle(600, 1200, 300); }},
        {"text",
         [](PictureBox &b) {
             b.SetCurrentX(1800);
             b.SetCurrentY(1200);
             b.Print("Zelvan");
         }},
    };
    for (const auto &shape : shapes) {
        SCOPED_TRACE(shape.name);
        const QImage before = box.Canvas().copy();
        shown = QRegion();
        const int paintsBefore = paints;
        shape.draw(box);
        const QRegion changed = Changed(before, box.Canvas());
        ASSERT_FALSE(changed.isEmpty());
        EXPECT_EVENTUALLY_TRUE(paints > paintsBefore);
        const QRegion missed = changed - shown;
        EXPECT_TRUE(missed.isEmpty())
            << "not shown: " << missed.boundingRect().x() << "," << missed.boundingRect().y() << " "
            << missed.boundingRect().width() << "x" << missed.boundingRect().height();
    }
}

// The picture's texts are shaped once and kept, but a change of font changes them.
TEST_F(PictureBoxTest, PrintsInTheFontOfTheMoment)
{
    const double ratio = box.Canvas().devicePixelRatio();
    const auto print = [&](double points, double x, double y) {
        QFont font = box.font();
        font.setPointSizeF(points);
        box.setFont(font);
        EXPECT_EQ(box.FontSize(), points);
        box.SetCurrentX(x);
        box.SetCurrentY(y);
        box.Print("Zelvan");
        const QPoint at(static_cast<int>(x / 15 * ratio), static_cast<int>(y / 15 * ratio));
        return InkBox(box.Canvas(), QRect(at, QSize(100, 60) * ratio));
    };
    const QRect small = print(8.25, 0, 0);
    const QRect large = print(16.5, 1500, 0);
    ASSERT_FALSE(small.isEmpty());
    EXPECT_GT(large.height(), small.height() * 3 / 2);
    EXPECT_GT(large.width(), small.width() * 3 / 2);
    // And back: the small text again is the same size as the first time.
    EXPECT_EQ(print(8.25, 0, 900).size(), small.size());
}

} // namespace
} // namespace zelvan
