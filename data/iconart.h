// SPDX-License-Identifier: MIT
#pragma once

// The icon's images and the .ico container, in plain C++ so that the Windows
// build, which has no Qt, makes the same icon as the Linux one.

#include <array>
#include <cstdint>
#include <vector>

namespace zelvan::icon {

// Non-premultiplied 0xAARRGGBB, as Qt's QRgb.
using Argb = std::uint32_t;

struct Image {
    int size = 0; // square: size x size pixels, rows top-down
    std::vector<Argb> pixels;
};

// The classic 16-colour VGA palette, in the order 4-bit Windows icons use.
inline constexpr std::array<Argb, 16> Vga = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

// 16 and 32 pixels are pixel art in black, white and red (all of them VGA
// colours), because a scaled-down dial turns to grey mush at those sizes.
Image PixelArt(int size);

// The dial of 48 pixels and up, in the geometry of icons/zelvan.svg, as the
// shapes to paint in order. Coordinates are pixels from the image's centre,
// y downward.
struct Shape {
    enum class Kind { Disc, Line } kind;
    double x1, y1; // a disc's centre, a line's start
    double x2, y2; // a line's end
    double radius; // a disc's
    double penWidth; // the outline or the line; 0 for none
    Argb pen, brush; // a disc's brush fills it; 0 for none
    bool roundCap;
};
std::vector<Shape> DialShapes(int size);

// The shapes painted antialiased, for a build that has no painter of its own.
Image Paint(int size, const std::vector<Shape> &shapes);

// The .ico: images of up to 32 pixels in 16 colours with an AND mask (every
// version of Windows reads those), larger ones in 32-bit colour with alpha.
std::vector<std::uint8_t> IcoFile(const std::vector<Image> &images);

} // namespace zelvan::icon
