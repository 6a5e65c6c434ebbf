// SPDX-License-Identifier: MIT
#include "platform/qt/forms.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <cmath>

namespace zelvan {

int TwipsToPixels(int twips, int dpi)
{
    return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / 1440.0));
}

QRect TwipsRect(int left, int top, int width, int height, int dpi)
{
    return {TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
            TwipsToPixels(height, dpi)};
}

void PlaceInTwips(QWidget &widget, int left, int top, int width, int height)
{
    widget.setGeometry(TwipsRect(left, top, width, height, widget.logicalDpiX()));
}

QStringList FormFontFamilies()
{
    return {"Microsoft Sans Serif", "Liberation Sans", "Arimo", "Arial"};
}

QFont DefaultFormFont()
{
    // Named, not the system's sans serif: that may be much wider (DejaVu Sans)
    // or even monospace (where Liberation's fonts are the only ones installed),
    // and the controls' twips layout was made for these metrics.
    QFont font = QApplication::font();
    font.setFamilies(FormFontFamilies());
    font.setPointSizeF(8.25);
    return font;
}

bool WindowsCanStayOnTop()
{
    // The flag would be accepted and silently do nothing.
    return !QGuiApplication::platformName().startsWith("wayland");
}

} // namespace zelvan
