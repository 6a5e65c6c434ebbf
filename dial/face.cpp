// SPDX-License-Identifier: MIT
#include "dial/face.h"

#include "dial/geometry.h"
#include "platform/colour.h"
#include "platform/surface.h"

#include <cmath>
#include <cstdint>

namespace zelvan {

namespace {

constexpr Colour RingColour = Rgb(176, 176, 0);
constexpr Colour FiveMinuteMarkColour = Rgb(255, 0, 0);

constexpr double FaceRadius = 0.8;
constexpr double MarkInner = 0.7;
constexpr double MarkOuter = 0.8;
constexpr double NumeralRadius = 0.9;

} // namespace

void DrawDialFace(Surface &picture)
{
    const DialGeometry g = ComputeDialGeometry(picture.Width(), picture.Height());
    const double pi = g.pi;

    const Colour face = picture.FillColor();
    picture.SetFillColor(RingColour);
    picture.Circle(g.CenterX, g.CenterY, g.DialRadius);
    picture.SetFillColor(face);
    picture.Circle(g.CenterX, g.CenterY, static_cast<float>(FaceRadius * g.DialRadius));

    // The numerals are centred on their points of the ring: the offsets are
    // half the box of a two-digit numeral, 15 and 10 times the font size in
    // the face the dial was designed in, and what the face in use measures.
    // The one-digit 5 keeps its place at the start of such a box.
    const double halfWidth = picture.TextWidth(Surface::PrintedNumber(60)) / 2;
    const double halfHeight = picture.TextHeight() / 2;
    for (std::int16_t i = 1; i <= 60; ++i) {
        // i = 60 points straight up, 15 to the right: clockwise from the top.
        const double angle = static_cast<float>(pi / 2 - (2 * i * pi) / 60);
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        const auto innerX = static_cast<float>(g.CenterX + MarkInner * g.DialRadius * c);
        const auto innerY = static_cast<float>(g.CenterY - MarkInner * g.DialRadius * s);
        const auto outerX = static_cast<float>(g.CenterX + MarkOuter * g.DialRadius * c);
        const auto outerY = static_cast<float>(g.CenterY - MarkOuter * g.DialRadius * s);
        if (i % 5 == 0) {
            picture.Line(innerX, innerY, outerX, outerY, FiveMinuteMarkColour);
            picture.SetCurrentX(
                FixedPointOffset(g.CenterX + NumeralRadius * g.DialRadius * c, -halfWidth));
            picture.SetCurrentY(
                FixedPointOffset(g.CenterY - NumeralRadius * g.DialRadius * s, -halfHeight));
            picture.PrintNumber(i);
        } else {
            picture.Line(innerX, innerY, outerX, outerY);
        }
    }
}

} // namespace zelvan
