// SPDX-License-Identifier: MIT
#include "platform/qt/readoutpalette.h"

#include <algorithm>
#include <cmath>

namespace zelvan {

namespace {

// Relative luminance of an sRGB colour, as WCAG defines it.
double Luminance(const QColor &colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette ReadoutPalette(const QPalette &theme)
{
    const QColor face = theme.color(QPalette::Button);
    QColor text = Qt::black;
    if (ContrastRatio(text, face) < ReadableContrast) {
        text = theme.color(QPalette::ButtonText);
        // One of the two always reaches the level, whatever the face.
        if (ContrastRatio(text, face) < ReadableContrast)
            text = ContrastRatio(Qt::white, face) > ContrastRatio(Qt::black, face) ? Qt::white
                                                                                   : Qt::black;
    }
    QPalette readout = theme;
    readout.setColor(QPalette::Base, face);
    readout.setColor(QPalette::Text, text);
    return readout;
}

} // namespace zelvan
