// SPDX-License-Identifier: MIT
#include "platform/qt/readoutbox.h"

#include <QLineEdit>
#include <QPixmap>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

QFont BigBold(double points)
{
    QFont font;
    font.setFamilies({"Liberation Sans", "Arimo", "Arial"});
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

} // namespace
} // namespace zelvan
