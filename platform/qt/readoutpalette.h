// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

namespace zelvan {

// The least contrast between text and its background that reads: WCAG's AA
// level for normal text.
inline constexpr double ReadableContrast = 4.5;

// WCAG's contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor &a, const QColor &b);

// The readout's colours within a theme: black on the theme's button face, the
// readout's design, wherever that reads; on a dark face the theme's button
// text, or else white or black, whichever reads.
QPalette ReadoutPalette(const QPalette &theme);

} // namespace zelvan
