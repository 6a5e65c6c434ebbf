// SPDX-License-Identifier: MIT
#pragma once

#include "platform/colour.h"

#include <optional>
#include <string>

namespace zelvan {

// An immediate-mode drawing surface measured in twips (1/1440 inch), x to the
// right and y downward from its top-left corner. Nothing drawn is kept for the
// surface's owner: what must survive a repaint is drawn again by its paint handler.
class Surface
{
public:
    virtual ~Surface() = default;

    // Outer size in twips.
    virtual double Width() const = 0;
    virtual double Height() const = 0;

    virtual Colour FillColor() const = 0;
    virtual void SetFillColor(Colour colour) = 0;

    // A one-pixel line, in the given colour or else the foreground colour.
    virtual void Line(double x1, double y1, double x2, double y2,
                      std::optional<Colour> colour = std::nullopt) = 0;
    // Outline in the foreground colour, interior solid in the fill colour.
    virtual void Circle(double x, double y, double radius) = 0;

    // Top-left corner of the next printed text.
    virtual void SetCurrentX(double x) = 0;
    virtual void SetCurrentY(double y) = 0;
    virtual double FontSize() const = 0; // points

    // Prints at the text position with a transparent background.
    virtual void Print(const std::string &text) = 0;
    // The width of a text as printed and the height of a line, in twips. By
    // default those of the face the drawings were designed in: a character
    // 7.5 and a line 20 times the font size.
    virtual double TextWidth(const std::string &text) const
    {
        return 7.5 * FontSize() * static_cast<double>(text.size());
    }
    virtual double TextHeight() const { return 20 * FontSize(); }
    // A printed number has a blank before it (where a minus sign would stand) and one after.
    void PrintNumber(long n) { Print(PrintedNumber(n)); }

    static std::string PrintedNumber(long n);
};

} // namespace zelvan
