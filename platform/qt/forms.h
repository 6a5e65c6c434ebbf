// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>

class QWidget;

namespace zelvan {

// Window layouts are given in twips; they become logical pixels through the
// screen's logical dpi (15 twips to the pixel at 96 dpi).
int TwipsToPixels(int twips, int dpi);
QRect TwipsRect(int left, int top, int width, int height, int dpi);
void PlaceInTwips(QWidget &widget, int left, int top, int width, int height);

// The forms' default font: the system sans-serif at 8.25 pt.
QFont DefaultFormFont();

} // namespace zelvan
