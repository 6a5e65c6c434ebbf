// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>

namespace zelvan::testing {

// Canvas pixels of a point given in twips: 15 twips to the logical pixel at
// 96 dpi, times the canvas's device-pixel ratio.
inline QPoint CanvasPixel(const QImage &canvas, double x, double y)
{
    const double k = canvas.devicePixelRatio() / 15.0;
    return {static_cast<int>(x * k), static_cast<int>(y * k)};
}

inline QColor PixelAtTwips(const QImage &canvas, double x, double y)
{
    return canvas.pixelColor(CanvasPixel(canvas, x, y));
}

// True when some pixel within a logical pixel of the point has the colour:
// one-pixel lines land a pixel either side depending on their slope.
inline bool ColourNear(const QImage &canvas, double x, double y, QColor colour)
{
    const QPoint p = CanvasPixel(canvas, x, y);
    const int reach = static_cast<int>(canvas.devicePixelRatio());
    for (int dx = -reach; dx <= reach; ++dx)
        for (int dy = -reach; dy <= reach; ++dy)
            if (canvas.valid(p.x() + dx, p.y() + dy) &&
                canvas.pixelColor(p.x() + dx, p.y() + dy) == colour)
                return true;
    return false;
}

} // namespace zelvan::testing
