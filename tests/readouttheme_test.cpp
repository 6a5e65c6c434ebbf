// SPDX-License-Identifier: MIT
#include "platform/qt/readoutpalette.h"
#include "window.h"

#include <QApplication>
#include <QPixmap>
#include <gtest/gtest.h>

namespace zelvan {
namespace {

// The application's palette for the life of a test, as a desktop theme sets it.
class Theme
{
public:
    explicit Theme(const QPalette &palette) : m_saved(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~Theme() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

QPalette ThemePalette(QColor button, QColor buttonText)
{
    QPalette palette(button);
    palette.setColor(QPalette::ButtonText, buttonText);
    return palette;
}

// The stopwatch's readout as drawn under a theme: its face (a corner) and the
// pixel that stands out from it most (the core of a bold digit).
struct Drawn
{
    QColor face;
    QColor ink;
};

Drawn DrawReadoutUnder(const QPalette &palette)
{
    Theme theme(palette);
    testing::WindowWithFakes window;
    const QImage image = window.Text1Box().grab().toImage();
    Drawn drawn{image.pixelColor(0, 0), image.pixelColor(0, 0)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ContrastRatio(image.pixelColor(x, y), drawn.face) >
                ContrastRatio(drawn.ink, drawn.face))
                drawn.ink = image.pixelColor(x, y);
    return drawn;
}

// Adwaita's light face; its button text is not quite black.
TEST(ReadoutThemeTest, KeepsBlackOnALightButtonFace)
{
    const Drawn drawn =
        DrawReadoutUnder(ThemePalette(QColor(0xef, 0xef, 0xef), QColor(0x2e, 0x34, 0x36)));
    EXPECT_EQ(drawn.face.name(), "#efefef");
    EXPECT_EQ(drawn.ink.name(), "#000000");
}

// A dark theme's face, with the theme's own text colour where that reads and
// white where even that would not.
TEST(ReadoutThemeTest, ReadsOnADarkButtonFace)
{
    struct Row
    {
        const char *name;
        QColor button;
        QColor buttonText;
        QColor expectedInk;
    };
    for (const Row &row : {Row{"Adwaita dark", QColor(0x35, 0x35, 0x35), QColor(0xee, 0xee, 0xec),
                               QColor(0xee, 0xee, 0xec)},
                           Row{"Breeze dark", QColor(0x29, 0x2c, 0x30), QColor(0xfc, 0xfc, 0xfc),
                               QColor(0xfc, 0xfc, 0xfc)},
                           Row{"dim text on a dark face", QColor(0x40, 0x40, 0x40),
                               QColor(0x80, 0x80, 0x80), QColor(Qt::white)}}) {
        SCOPED_TRACE(row.name);
        const Drawn drawn = DrawReadoutUnder(ThemePalette(row.button, row.buttonText));
        EXPECT_EQ(drawn.face.name(), row.button.name());
        EXPECT_EQ(drawn.ink.name(), row.expectedInk.name());
        EXPECT_GE(ContrastRatio(drawn.ink, drawn.face), ReadableContrast);
    }
}

} // namespace
} // namespace zelvan
