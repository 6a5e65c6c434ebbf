// SPDX-License-Identifier: MIT
// Draws the window icon at every size the desktop and Windows ask for.
// 16 and 32 pixels are pixel art, because a scaled-down dial turns to grey mush
// at those sizes; 48 pixels and up are drawn antialiased from the same geometry
// as icons/zelvan.svg.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QString>
#include <QtEndian>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>

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

// The classic 16-colour VGA palette, in the order 4-bit Windows icons use.
constexpr std::array<QRgb, 16> Vga = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

QImage FromPixelArt(std::span<const char *const> rows)
{
    const int size = static_cast<int>(rows.size());
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            QRgb colour = 0;
            switch (rows[y][x]) {
            case 'K':
                colour = 0xff000000;
                break;
            case 'W':
                colour = 0xffffffff;
                break;
            case 'R':
                colour = 0xffff0000;
                break;
            default:
                colour = 0x00000000;
                break;
            }
            image.setPixel(x, y, colour);
        }
    }
    return image;
}

// The sixteen colours plus a transparent entry, which stands in for the
// AND mask that classic icons carry beside their 16-colour bitmap.
QImage ToSixteenColours(const QImage &image)
{
    QList<QRgb> table(Vga.begin(), Vga.end());
    table.append(qRgba(0, 0, 0, 0));
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

QPointF Polar(double radius, double degrees)
{
    const double radians = qDegreesToRadians(degrees);
    return {radius * std::sin(radians), -radius * std::cos(radians)};
}

// Geometry in the SVG's 256-unit space; small sizes keep a minimum stroke so
// marks do not fade into half-covered grey pixels.
QImage DrawDial(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const double unit = size / 256.0;
    const auto width = [unit](double design, double minimumPixels) {
        return std::max(design * unit, minimumPixels);
    };
    const QColor black(0, 0, 0);
    const QColor red(0xd4, 0, 0);
    p.translate(size / 2.0, size / 2.0);

    const double rim = width(12, 2);
    p.setPen(QPen(black, rim));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(0, 0), 124 * unit - rim / 2, 124 * unit - rim / 2);

    // Minute marks only where they stay at least a pixel apart.
    const bool minuteMarks = size >= 128;
    for (int i = 0; i < 60; ++i) {
        const bool hour = i % 5 == 0;
        if (!hour && !minuteMarks) {
            continue;
        }
        p.setPen(QPen(black, hour ? width(9, 2) : width(3.5, 1), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(Polar(106 * unit, i * 6.0), Polar((hour ? 80 : 94) * unit, i * 6.0));
    }

    p.setPen(QPen(black, width(14, 3), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), Polar(76 * unit, -45));
    p.setPen(QPen(red, width(5, 1.5), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(Polar(28 * unit, 225), Polar(102 * unit, 45));

    p.setPen(Qt::NoPen);
    p.setBrush(black);
    p.drawEllipse(QPointF(0, 0), width(14, 2.5), width(14, 2.5));
    p.setBrush(red);
    p.drawEllipse(QPointF(0, 0), width(6, 1), width(6, 1));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

void PutU16(QByteArray &out, quint16 v)
{
    const quint16 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

void PutU32(QByteArray &out, quint32 v)
{
    const quint32 le = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&le), sizeof le);
}

// A 4-bit bitmap with an AND mask, the form every version of Windows reads for
// 16-colour icons. Rows run bottom-up and are padded to 32 bits.
QByteArray IcoBitmap(const QImage &indexed)
{
    const int w = indexed.width();
    const int h = indexed.height();
    const int xorStride = ((w * 4 + 31) / 32) * 4;
    const int andStride = ((w + 31) / 32) * 4;
    const int transparent = static_cast<int>(Vga.size());

    QByteArray out;
    PutU32(out, 40);
    PutU32(out, static_cast<quint32>(w));
    PutU32(out, static_cast<quint32>(2 * h)); // colour bitmap and mask stacked
    PutU16(out, 1);
    PutU16(out, 4);
    PutU32(out, 0);
    PutU32(out, static_cast<quint32>((xorStride + andStride) * h));
    PutU32(out, 0);
    PutU32(out, 0);
    PutU32(out, 16);
    PutU32(out, 0);
    for (QRgb c : Vga) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < w; ++x) {
            int index = indexed.pixelIndex(x, y);
            if (index == transparent) {
                index = 0;
            }
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (indexed.pixelIndex(x, y) == transparent) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

QByteArray IcoFile(const QList<QImage> &images)
{
    QByteArray out;
    PutU16(out, 0);
    PutU16(out, 1); // icon, not cursor
    PutU16(out, static_cast<quint16>(images.size()));
    QList<QByteArray> bitmaps;
    for (const QImage &image : images) {
        bitmaps.append(IcoBitmap(image));
    }
    quint32 offset = 6 + 16 * static_cast<quint32>(images.size());
    for (qsizetype i = 0; i < images.size(); ++i) {
        out.append(static_cast<char>(images[i].width()));
        out.append(static_cast<char>(images[i].height()));
        out.append(static_cast<char>(16));
        out.append('\0');
        PutU16(out, 1);
        PutU16(out, 4);
        PutU32(out, static_cast<quint32>(bitmaps[i].size()));
        PutU32(out, offset);
        offset += static_cast<quint32>(bitmaps[i].size());
    }
    for (const QByteArray &bitmap : bitmaps) {
        out.append(bitmap);
    }
    return out;
}

bool Save(const QImage &image, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !image.save(path, "PNG")) {
        std::fprintf(stderr, "makeicons: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: makeicons HICOLOR-DIR RESOURCE-DIR SIZE...\n");
        return 2;
    }
    const QString hicolor = QString::fromLocal8Bit(argv[1]);
    const QString resources = QString::fromLocal8Bit(argv[2]);
    bool ok = true;

    const QImage art16 = FromPixelArt(Pixels16);
    const QImage art32 = FromPixelArt(Pixels32);
    const QImage classic16 = ToSixteenColours(art16);
    const QImage classic32 = ToSixteenColours(art32);

    for (int arg = 3; arg < argc; ++arg) {
        const int size = std::atoi(argv[arg]);
        if (size < 16 || size > 1024) {
            std::fprintf(stderr, "makeicons: %s is not an icon size\n", argv[arg]);
            return 2;
        }
        const QImage image = size == 16 ? art16 : size == 32 ? art32 : DrawDial(size);
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(hicolor).arg(size);
        ok = Save(image, dir + QStringLiteral("/zelvan.png")) && ok;
        const QImage embedded = size == 16 ? classic16 : size == 32 ? classic32 : image;
        ok = Save(embedded, QStringLiteral("%1/icon-%2.png").arg(resources).arg(size)) && ok;
    }

    QFile ico(resources + QStringLiteral("/zelvan.ico"));
    const QByteArray icoBytes = IcoFile({classic16, classic32});
    if (!ico.open(QIODevice::WriteOnly) || ico.write(icoBytes) != icoBytes.size()) {
        std::fprintf(stderr, "makeicons: cannot write %s\n", qPrintable(ico.fileName()));
        ok = false;
    }
    return ok ? 0 : 1;
}
