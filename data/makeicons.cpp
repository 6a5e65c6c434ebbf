// SPDX-License-Identifier: MIT
// Draws the window icon at every size the desktop asks for, as PNG files.
// 16 and 32 pixels are the pixel art of iconart.cpp; 48 pixels and up are drawn
// antialiased from the same geometry as icons/zelvan.svg.
#include "data/iconart.h"

#include <QBrush>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QString>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace {

QImage ToQImage(const zelvan::icon::Image &art)
{
    QImage image(art.size, art.size, QImage::Format_ARGB32);
    for (int y = 0; y < art.size; ++y) {
        for (int x = 0; x < art.size; ++x) {
            image.setPixel(x, y, art.pixels[static_cast<std::size_t>(y * art.size + x)]);
        }
    }
    return image;
}

// The sixteen colours plus a transparent entry, which stands in for the
// AND mask that classic icons carry beside their 16-colour bitmap.
QImage ToSixteenColours(const QImage &image)
{
    QList<QRgb> table(zelvan::icon::Vga.begin(), zelvan::icon::Vga.end());
    table.append(qRgba(0, 0, 0, 0));
    return image.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
}

// The dial's shapes, painted by Qt's antialiasing renderer.
QImage DrawDial(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(size / 2.0, size / 2.0);
    using zelvan::icon::Shape;
    for (const Shape &s : zelvan::icon::DialShapes(size)) {
        if (s.penWidth > 0) {
            p.setPen(QPen(QColor::fromRgba(s.pen), s.penWidth, Qt::SolidLine,
                          s.roundCap ? Qt::RoundCap : Qt::FlatCap));
        } else {
            p.setPen(Qt::NoPen);
        }
        if (s.kind == Shape::Kind::Disc) {
            p.setBrush(s.brush ? QBrush(QColor::fromRgba(s.brush)) : QBrush(Qt::NoBrush));
            p.drawEllipse(QPointF(s.x1, s.y1), s.radius, s.radius);
        } else {
            p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
        }
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
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

    const QImage art16 = ToQImage(zelvan::icon::PixelArt(16));
    const QImage art32 = ToQImage(zelvan::icon::PixelArt(32));
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

    return ok ? 0 : 1;
}
