// SPDX-License-Identifier: MIT
#include "platform/qt/forms.h"
#include "platform/qt/readoutbox.h"
#include "window.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

// The faces with the metrics the layout was made for, less the one that may be missing.
QStringList MetricCompatibleFaces()
{
    return FormFontFamilies().mid(1);
}

QFont BigBold(double points)
{
    QFont font;
    font.setFamilies(MetricCompatibleFaces());
    font.setBold(true);
    font.setPointSizeF(points);
    return font;
}

// The box around the dark pixels of a widget's picture, in device pixels.
QRect InkBox(QWidget &widget)
{
    const QImage image = widget.grab().toImage();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

void Style(QWidget &widget, const QFont &font)
{
    widget.setFont(font);
    widget.resize(121, 27); // the stopwatch's readout at 96 dpi
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, QColor(240, 240, 240));
    palette.setColor(QPalette::Text, Qt::black);
    widget.setPalette(palette);
}

// The readout must look like the frameless read-only line edit it stands in
// for: the same glyphs at the same place, whatever the text.
class ReadoutBoxTest : public ::testing::Test
{
protected:
    ReadoutBoxTest() : box("00:00:00"), edit("00:00:00")
    {
        Style(box, BigBold(20.25));
        Style(edit, BigBold(20.25));
        edit.setReadOnly(true);
        edit.setFrame(false);
        edit.setAlignment(Qt::AlignCenter);
        edit.setTextMargins(0, 0, 0, 0);
    }

    void ExpectSameInk()
    {
        const QRect fromBox = InkBox(box);
        const QRect fromEdit = InkBox(edit);
        ASSERT_FALSE(fromBox.isEmpty());
        // Glyph positions may round differently at fractional scales.
        const int slack = box.devicePixelRatio() > 1 ? 1 : 0;
        EXPECT_NEAR(fromBox.left(), fromEdit.left(), slack);
        EXPECT_NEAR(fromBox.right(), fromEdit.right(), slack);
        EXPECT_NEAR(fromBox.top(), fromEdit.top(), slack);
        EXPECT_NEAR(fromBox.bottom(), fromEdit.bottom(), slack);
        // Nothing clipped: the ink stays clear of the edges.
        const QImage picture = box.grab().toImage();
        EXPECT_GT(fromBox.left(), 0);
        EXPECT_LT(fromBox.right(), picture.width() - 1);
        EXPECT_GT(fromBox.top(), 0);
        EXPECT_LT(fromBox.bottom(), picture.height() - 1);
    }

    ReadoutBox box;
    QLineEdit edit;
};

TEST_F(ReadoutBoxTest, DrawsEachTextWhereALineEditWould)
{
    for (const char *text :
         {"00:00:00", "00:00:01", "00:00:11", "11:11:11", "12:34:56", "78:59:09", "99:99:99"}) {
        SCOPED_TRACE(text);
        box.setText(text);
        edit.setText(text);
        EXPECT_EQ(box.text(), text);
        ExpectSameInk();
    }
}

TEST_F(ReadoutBoxTest, FollowsAChangeOfFont)
{
    const int before = InkBox(box).height();
    for (QWidget *widget : {static_cast<QWidget *>(&box), static_cast<QWidget *>(&edit)})
        widget->setFont(BigBold(14));
    EXPECT_LT(InkBox(box).height(), before);
    ExpectSameInk();
}

TEST_F(ReadoutBoxTest, ShowsCharactersItsFontLacks)
{
    box.setText("00:01");
    const QRect digitsOnly = InkBox(box);
    // No Liberation font has CJK: Qt must find another font for it.
    const QString withKanji = QString::fromUtf8("\u6642 00:01");
    box.setText(withKanji);
    edit.setText(withKanji);
    EXPECT_EQ(box.text(), withKanji);
    const QRect ink = InkBox(box);
    // The character adds ink of its own, left of the digits, where a line edit
    // puts it (which sets the taller line of the mixed fonts a little higher).
    EXPECT_LT(ink.left(), digitsOnly.left() - 5);
    const QRect fromEdit = InkBox(edit);
    const int slack = box.devicePixelRatio() > 1 ? 1 : 0;
    EXPECT_NEAR(ink.left(), fromEdit.left(), slack);
    EXPECT_NEAR(ink.right(), fromEdit.right(), slack);
}

// The readout's font as the window asks for it: a face that may be missing,
// then those with its metrics.
QFont ReadoutFont()
{
    QFont font;
    font.setFamilies(FormFontFamilies());
    font.setBold(true);
    font.setPointSizeF(20.25);
    return font;
}

bool MetricCompatible(const QFont &font)
{
    return MetricCompatibleFaces().contains(QFontInfo(font).family());
}

class ReadoutFitTest : public ::testing::Test
{
protected:
    ReadoutFitTest() : box("00:00:00") { Style(box, ReadoutFont()); }

    ReadoutBox box;
};

// Whatever face fontconfig finds, every time keeps clear of the box's sides.
TEST_F(ReadoutFitTest, NoTimeIsClipped)
{
    SCOPED_TRACE(QFontInfo(box.ShownFont()).family().toStdString());
    const int right = box.grab().toImage().width() - 1;
    for (const char *text : {"00:00:00", "00:00:02", "23:59:59", "88:88:88", "44:44:44"}) {
        SCOPED_TRACE(text);
        box.setText(text);
        const QRect ink = InkBox(box);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_GT(ink.left(), 0);
        EXPECT_LT(ink.right(), right);
        EXPECT_GT(ink.top(), 0);
        EXPECT_LT(ink.bottom(), box.grab().toImage().height() - 1);
    }
}

TEST_F(ReadoutFitTest, AFaceWithTheReadoutsMetricsKeepsItsSize)
{
    if (!MetricCompatible(box.font()))
        GTEST_SKIP() << "no face with the readout's metrics here";
    EXPECT_EQ(box.ShownFont(), box.font());
}

TEST_F(ReadoutFitTest, AWiderFaceIsMadeSmallerUntilTheTimeFits)
{
    if (MetricCompatible(box.font()))
        GTEST_SKIP() << "a face with the readout's metrics is installed; "
                        "gui.WithDejaVuFontsOnly runs this without one";
    const QFontMetrics asked(box.font(), &box);
    ASSERT_GT(asked.horizontalAdvance("00:00:00"), box.width() - 5) << "the face would fit anyway";
    EXPECT_LT(box.ShownFont().pointSizeF(), box.font().pointSizeF());
    EXPECT_EQ(box.ShownFont().family(), box.font().family());
    EXPECT_TRUE(box.ShownFont().bold());
    // No smaller than it must be: within a couple of pixels of the room.
    const QFontMetrics shown(box.ShownFont(), &box);
    EXPECT_GT(shown.horizontalAdvance("00:00:00"), box.width() - 5 - 8);
    // A wider box takes the size asked for again.
    box.resize(400, 27);
    EXPECT_EQ(box.ShownFont(), box.font());
}

// The window's own readout, as the user sees it.
TEST(ReadoutInWindowTest, ShowsTheWholeTime)
{
    testing::WindowWithFakes window;
    window.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.form));
    window.cmdStart().click();
    window.RunFor(2);
    ReadoutBox &text1 = window.Text1Box();
    ASSERT_EQ(text1.text(), "00:00:02");
    SCOPED_TRACE(QFontInfo(text1.ShownFont()).family().toStdString());
    const QImage picture = text1.grab().toImage();
    const QRect ink = InkBox(text1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.left(), 0);
    EXPECT_LT(ink.right(), picture.width() - 1);
}

// What the screen shows, not what a fresh rendering would: each tick's time
// must reach the window's pixels.
TEST(ReadoutInWindowTest, PutsEachNewTimeOnTheScreen)
{
    testing::WindowWithFakes window;
    window.form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.form));
    ReadoutBox &text1 = window.Text1Box();
    const auto onScreen = [&] {
        QCoreApplication::processEvents();
        const QRect box(text1.mapTo(&window.form, QPoint(0, 0)), text1.size());
        // The whole window, in device pixels, then the readout's part of it.
        const QImage all = window.form.screen()->grabWindow(window.form.winId()).toImage();
        const qreal k = static_cast<qreal>(all.width()) / window.form.width();
        return all.copy(QRectF(box.topLeft() * k, box.size() * k).toRect())
            .convertToFormat(QImage::Format_RGB32);
    };
    QImage before = onScreen();
    window.cmdStart().click();
    for (const char *time : {"00:00:01", "00:00:02", "00:00:03"}) {
        window.RunFor(1);
        ASSERT_EQ(text1.text(), time);
        const QImage shown = onScreen();
        EXPECT_NE(shown, before) << time << " is not on the screen";
        before = shown;
    }
}

} // namespace
} // namespace zelvan
