// SPDX-License-Identifier: MIT
#include "data/iconart.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <span>
#include <stdexcept>

namespace zelvan::icon {
namespace {

// '.' transparent, 'K' black, 'W' white, 'R' red. Hands stand at 10:30 (black)
// and 1:30 (red) so that both are clean 45-degree pixel diagonals.
// clang-format off
constexpr const char *Pixels16[] = {
    ".....KKKKK......",
    "...KKWWWWWKK....",
    "..KWWWWKWWWWK...",
    ".KWWWWWKWWWRWK..",
    ".KWWKKWWWWRWWK..",
    "KWWWWKKWWRWWWWK.",
    "KWWWWWKKRWWWWWK.",
    "KWKKWWWKWWWKKWK.",
    "KWWWWWRWWWWWWWK.",
    "KWWWWWWWWWWWWWK.",
    ".KWWWWWWWWWWWK..",
    ".KWWWWWKWWWWWK..",
    "..KWWWWKWWWWK...",
    "...KKWWWWWKK....",
    ".....KKKKK......",
    "................",
};
// clang-format on

// clang-format off
constexpr const char *Pixels32[] = {
    "............KKKKKKK.............",
    ".........KKKKKKKKKKKKK..........",
    ".......KKKKKWWWWWWWKKKKK........",
    "......KKKWWWWWWKWWWWWWKKK.......",
    ".....KKWWWWWWWWKWWWWWWWWKK......",
    "....KKWWWKWWWWWKWWWWWKWWWKK.....",
    "...KKWWWWWKWWWWWWWWWKWWWRWKK....",
    "..KKWWWWWWWWWWWWWWWWWWWRWWWKK...",
    "..KKWWWWKKWWWWWWWWWWWWRWWWWKK...",
    ".KKWWKWWKKKWWWWWWWWWWRWWWKWWKK..",
    ".KKWWWKWWKKKWWWWWWWWRWWWKWWWKK..",
    ".KKWWWWWWWKKKWWWWWWRWWWWWWWWKK..",
    "KKWWWWWWWWWKKKWWWWRWWWWWWWWWWKK.",
    "KKWWWWWWWWWWKKKWWRWWWWWWWWWWWKK.",
    "KKWWWWWWWWWWWKKKKWWWWWWWWWWWWKK.",
    "KKWKKKWWWWWWWWKRKWWWWWWWWKKKWKK.",
    "KKWWWWWWWWWWWWKKKWWWWWWWWWWWWKK.",
    "KKWWWWWWWWWWWRWWWWWWWWWWWWWWWKK.",
    "KKWWWWWWWWWWRWWWWWWWWWWWWWWWWKK.",
    ".KKWWWWWWWWWWWWWWWWWWWWWWWWWKK..",
    ".KKWWWKWWWWWWWWWWWWWWWWWKWWWKK..",
    ".KKWWKWWWWWWWWWWWWWWWWWWWKWWKK..",
    "..KKWWWWWWWWWWWWWWWWWWWWWWWKK...",
    "..KKWWWWWWWWWWWWWWWWWWWWWWWKK...",
    "...KKWWWWWKWWWWWWWWWKWWWWWKK....",
    "....KKWWWKWWWWWKWWWWWKWWWKK.....",
    ".....KKWWWWWWWWKWWWWWWWWKK......",
    "......KKKWWWWWWKWWWWWWKKK.......",
    ".......KKKKKWWWWWWWKKKKK........",
    ".........KKKKKKKKKKKKK..........",
    "............KKKKKKK.............",
    "................................",
};
// clang-format on

void PutU16(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    PutU16(out, v & 0xffff);
    PutU16(out, v >> 16);
}

// The palette entry of a pixel-art colour; transparent pixels are index 0
// under a set mask bit.
std::uint8_t VgaIndex(Argb colour)
{
    for (std::size_t i = 0; i < Vga.size(); ++i) {
        if (Vga[i] == colour) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return 0;
}

bool Transparent(Argb colour)
{
    return colour >> 24 == 0;
}

// Rows run bottom-up, each padded to 32 bits; the colour bitmap and the AND
// mask are stacked, hence the doubled height.
std::vector<std::uint8_t> IcoBitmap(const Image &image)
{
    const int n = image.size;
    const bool classic = n <= 32;
    const int bits = classic ? 4 : 32;
    const int xorStride = ((n * bits + 31) / 32) * 4;
    const int andStride = ((n + 31) / 32) * 4;

    std::vector<std::uint8_t> out;
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(n));
    PutU32(out, static_cast<std::uint32_t>(2 * n));
    PutU16(out, 1);
    PutU16(out, static_cast<std::uint32_t>(bits));
    PutU32(out, 0);
    PutU32(out, static_cast<std::uint32_t>((xorStride + andStride) * n));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, classic ? 16 : 0);
    PutU32(out, 0);
    if (classic) {
        for (const Argb c : Vga) {
            PutU32(out, c & 0xffffff); // blue, green, red, reserved
        }
    }
    const auto pixel = [&image](int x, int y) {
        return image.pixels[static_cast<std::size_t>(y * image.size + x)];
    };
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(xorStride), 0);
        for (int x = 0; x < n; ++x) {
            const Argb c = pixel(x, y);
            if (classic) {
                const std::uint8_t index = Transparent(c) ? 0 : VgaIndex(c);
                row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 ? index : index << 4);
            } else {
                for (int byte = 0; byte < 4; ++byte) {
                    row[static_cast<std::size_t>(4 * x + byte)] = static_cast<std::uint8_t>(c >> (8 * byte));
                }
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    for (int y = n - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(andStride), 0);
        for (int x = 0; x < n; ++x) {
            if (Transparent(pixel(x, y))) {
                row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

struct Point {
    double x, y;
};

Point Polar(double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180;
    return {radius * std::sin(radians), -radius * std::cos(radians)};
}

double Distance(double x, double y, const Point &a, const Point &b, bool roundCap)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double t = length2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / length2 : 0;
    if (!roundCap && (t < 0 || t > 1)) {
        return INFINITY; // a flat cap ends the line square at its ends
    }
    const double u = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.x + u * dx), y - (a.y + u * dy));
}

// The colour the shapes leave at one point, the last one painted on top.
Argb ColourAt(const std::vector<Shape> &shapes, double x, double y)
{
    Argb colour = 0;
    for (const Shape &s : shapes) {
        if (s.kind == Shape::Kind::Disc) {
            const double d = std::hypot(x - s.x1, y - s.y1);
            if (s.brush && d <= s.radius) {
                colour = s.brush;
            }
            if (s.penWidth > 0 && std::abs(d - s.radius) <= s.penWidth / 2) {
                colour = s.pen;
            }
        } else if (Distance(x, y, {s.x1, s.y1}, {s.x2, s.y2}, s.roundCap) <= s.penWidth / 2) {
            colour = s.pen;
        }
    }
    return colour;
}

} // namespace

std::vector<Shape> DialShapes(int size)
{
    // Small sizes keep a minimum stroke so marks do not fade into
    // half-covered grey pixels.
    const double unit = size / 256.0;
    const auto width = [unit](double design, double minimumPixels) {
        return std::max(design * unit, minimumPixels);
    };
    constexpr Argb black = 0xff000000;
    constexpr Argb white = 0xffffffff;
    constexpr Argb red = 0xffd40000;
    const auto line = [](Point a, Point b, double w, Argb colour, bool round) {
        return Shape{Shape::Kind::Line, a.x, a.y, b.x, b.y, 0, w, colour, 0, round};
    };
    const auto disc = [](double radius, double penWidth, Argb pen, Argb brush) {
        return Shape{Shape::Kind::Disc, 0, 0, 0, 0, radius, penWidth, pen, brush, false};
    };

    std::vector<Shape> shapes;
    const double rim = width(12, 2);
    shapes.push_back(disc(124 * unit - rim / 2, rim, black, white));
    // Minute marks only where they stay at least a pixel apart.
    const bool minuteMarks = size >= 128;
    for (int i = 0; i < 60; ++i) {
        const bool hour = i % 5 == 0;
        if (hour || minuteMarks) {
            shapes.push_back(line(Polar(106 * unit, i * 6.0), Polar((hour ? 80 : 94) * unit, i * 6.0),
                                  hour ? width(9, 2) : width(3.5, 1), black, false));
        }
    }
    shapes.push_back(line({0, 0}, Polar(76 * unit, -45), width(14, 3), black, true));
    shapes.push_back(line(Polar(28 * unit, 225), Polar(102 * unit, 45), width(5, 1.5), red, true));
    shapes.push_back(disc(width(14, 2.5), 0, 0, black));
    shapes.push_back(disc(width(6, 1), 0, 0, red));
    return shapes;
}

Image Paint(int size, const std::vector<Shape> &shapes)
{
    // Coverage from a grid of samples in each pixel.
    constexpr int grid = 4;
    Image image{size, {}};
    const double half = size / 2.0;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < grid; ++sy) {
                for (int sx = 0; sx < grid; ++sx) {
                    const Argb c = ColourAt(shapes, px + (sx + 0.5) / grid - half, py + (sy + 0.5) / grid - half);
                    const double alpha = (c >> 24) / 255.0;
                    a += alpha;
                    r += alpha * ((c >> 16) & 0xff);
                    g += alpha * ((c >> 8) & 0xff);
                    b += alpha * (c & 0xff);
                }
            }
            Argb pixel = 0;
            if (a > 0) {
                const auto channel = [a](double v) { return static_cast<Argb>(std::lround(v / a)); };
                pixel = static_cast<Argb>(std::lround(255 * a / (grid * grid))) << 24 | channel(r) << 16 |
                        channel(g) << 8 | channel(b);
            }
            image.pixels.push_back(pixel);
        }
    }
    return image;
}

Image PixelArt(int size)
{
    if (size != 16 && size != 32) {
        throw std::invalid_argument("pixel art comes in 16 and 32 pixels");
    }
    const std::span<const char *const> rows = size == 16 ? std::span<const char *const>(Pixels16)
                                                         : std::span<const char *const>(Pixels32);
    Image image{size, {}};
    for (const char *row : rows) {
        for (int x = 0; x < size; ++x) {
            switch (row[x]) {
            case 'K':
                image.pixels.push_back(0xff000000);
                break;
            case 'W':
                image.pixels.push_back(0xffffffff);
                break;
            case 'R':
                image.pixels.push_back(0xffff0000);
                break;
            default:
                image.pixels.push_back(0x00000000);
                break;
            }
        }
    }
    return image;
}

std::vector<std::uint8_t> IcoFile(const std::vector<Image> &images)
{
    std::vector<std::uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1); // icon, not cursor
    PutU16(out, static_cast<std::uint32_t>(images.size()));
    std::vector<std::vector<std::uint8_t>> bitmaps;
    for (const Image &image : images) {
        bitmaps.push_back(IcoBitmap(image));
    }
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const bool classic = images[i].size <= 32;
        // 256 pixels are written as 0.
        out.push_back(static_cast<std::uint8_t>(images[i].size));
        out.push_back(static_cast<std::uint8_t>(images[i].size));
        out.push_back(classic ? 16 : 0);
        out.push_back(0);
        PutU16(out, 1);
        PutU16(out, classic ? 4 : 32);
        PutU32(out, static_cast<std::uint32_t>(bitmaps[i].size()));
        PutU32(out, offset);
        offset += static_cast<std::uint32_t>(bitmaps[i].size());
    }
    for (const auto &bitmap : bitmaps) {
        out.insert(out.end(), bitmap.begin(), bitmap.end());
    }
    return out;
}

} // namespace zelvan::icon
