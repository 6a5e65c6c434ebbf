// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

class QWidget;

namespace zelvan {

// Window layouts are given in twips; they become logical pixels through the
// screen's logical dpi (15 twips to the pixel at 96 dpi).
int TwipsToPixels(int twips, int dpi);
QRect TwipsRect(int left, int top, int width, int height, int dpi);
void PlaceInTwips(QWidget &widget, int left, int top, int width, int height);

// Microsoft Sans Serif where it exists, else a face with the same metrics as
// Arial (Liberation Sans, Arimo, Arial itself): the widths and heights of the
// forms' layouts hold in each of them.
QStringList FormFontFamilies();

// The forms' default font: the first of those families present, at 8.25 pt.
QFont DefaultFormFont();

// Whether the window system lets a program keep its window above the others.
// Wayland gives clients no such request; X11 window managers honour it.
bool WindowsCanStayOnTop();

} // namespace zelvan
