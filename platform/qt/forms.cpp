// SPDX-License-Identifier: MIT
#include "platform/qt/forms.h"

#include <QApplication>
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

QFont DefaultFormFont()
{
    QFont font = QApplication::font();
    font.setPointSizeF(8.25);
    return font;
}

} // namespace zelvan
