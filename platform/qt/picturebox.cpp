// SPDX-License-Identifier: MIT
#include "platform/qt/picturebox.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace zelvan {

namespace {

QColor ToQColor(Colour c)
{
    return QColor(Red(c), Green(c), Blue(c));
}

// One logical pixel wide, square-ended lines drawn end to end. At a fractional
// scale the width is a whole number of device pixels, or unsmoothed lines come
// out one or two pixels wide depending on where they fall.
QPen LinePen(Colour c, qreal ratio)
{
    QPen pen(ToQColor(c), std::max(1.0, std::round(ratio)) / ratio);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

constexpr double TwipsPerInch = 1440.0;

// A text shaped once for a font at a resolution.
struct ShapedText
{
    QString text;
    QFont font;
    int dpi = 0;
    QTextLayout layout;
    qreal ascent = 0;
    qreal height = 0;
    qreal advance = 0;
};

} // namespace

// The texts a picture has printed, kept shaped. The dial prints the same few
// texts over and over, the brand words at every tick, and shaping them anew each
// time was the largest part of a tick.
class ShapedTexts
{
public:
    const ShapedText &Get(const QString &text, const QFont &font, const QImage &device)
    {
        const int dpi = device.logicalDpiY();
        for (const auto &entry : m_texts)
            if (entry->text == text && entry->dpi == dpi && entry->font == font)
                return *entry;
        // Numerals and brand words fit many times over; other texts must not
        // make it grow for ever.
        constexpr std::size_t Limit = 64;
        if (m_texts.size() >= Limit)
            m_texts.clear();
        auto entry = std::make_unique<ShapedText>();
        entry->text = text;
        entry->font = font;
        entry->dpi = dpi;
        const QFontMetricsF metrics(font, &device);
        entry->ascent = metrics.ascent();
        entry->height = metrics.height();
        entry->advance = metrics.horizontalAdvance(text);
        QTextLayout &layout = entry->layout;
        layout.setText(text);
        layout.setFont(QFont(font, &device));
        layout.setCacheEnabled(true);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setNumColumns(static_cast<int>(text.size()));
        // The baseline at the layout's origin, where drawText puts it.
        line.setPosition(QPointF(0, -line.ascent()));
        layout.endLayout();
        m_texts.push_back(std::move(entry));
        return *m_texts.back();
    }

private:
    std::vector<std::unique_ptr<ShapedText>> m_texts;
};

PictureBox::PictureBox(QWidget *parent)
    : QWidget(parent), m_shapedTexts(std::make_unique<ShapedTexts>())
{
    // Every pixel comes from the canvas: no need for Qt to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    UpdateTextFont();
}

void PictureBox::UpdateTextFont()
{
    // Texts are printed over themselves, the brand words at every tick, with a
    // transparent background: antialiased edges would blend again with each
    // print and the words would darken and smear. Whole pixels, as a bitmap
    // font gives, stay as they are.
    m_textFont = font();
    m_textFont.setStyleStrategy(QFont::NoAntialias);
}

void PictureBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        UpdateTextFont();
    QWidget::changeEvent(event);
}

PictureBox::~PictureBox() = default;

double PictureBox::TwipsPerPixel() const
{
    return TwipsPerInch / logicalDpiX();
}

double PictureBox::Width() const
{
    return width() * TwipsPerPixel();
}

double PictureBox::Height() const
{
    return height() * TwipsPerPixel();
}

QPointF PictureBox::ToPixels(double x, double y) const
{
    const double k = TwipsPerPixel();
    return {x / k, y / k};
}

void PictureBox::Refresh()
{
    m_refreshRequested = true;
    update();
}

bool PictureBox::EnsureCanvas()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = size() * ratio;
    if (!m_canvas.isNull() && m_canvas.size() == pixels && m_canvas.devicePixelRatio() == ratio)
        return false;
    EndCanvasPainting();
    m_canvas = QImage(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_canvas.setDevicePixelRatio(ratio);
    m_canvas.fill(palette().color(QPalette::Window));
    return true;
}

const QImage &PictureBox::Canvas() const
{
    EndCanvasPainting();
    return m_canvas;
}

QPainter &PictureBox::CanvasPainter()
{
    if (!m_painter.isActive())
        m_painter.begin(&m_canvas);
    return m_painter;
}

void PictureBox::EndCanvasPainting() const
{
    if (m_painter.isActive())
        m_painter.end();
}

void PictureBox::Shown(const QRect &pixels)
{
    if (m_inPaintHandler)
        return; // the paint under way shows the whole canvas
    const QRect area = pixels.adjusted(-1, -1, 1, 1) & rect();
    m_drawnSinceShown += area;
    update(area);
}

void PictureBox::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour)
{
    EnsureCanvas();
    const QPointF a = ToPixels(x1, y1);
    const QPointF b = ToPixels(x2, y2);
    QPainter &painter = CanvasPainter();
    painter.setPen(LinePen(colour.value_or(m_foreColor), m_canvas.devicePixelRatio()));
    painter.drawLine(a, b);
    Shown(QRectF(a, b).normalized().toAlignedRect());
}

void PictureBox::Circle(double x, double y, double radius)
{
    EnsureCanvas();
    const QPointF centre = ToPixels(x, y);
    const double r = std::fabs(radius) / TwipsPerPixel();
    QPainter &painter = CanvasPainter();
    painter.setPen(LinePen(m_foreColor, m_canvas.devicePixelRatio()));
    painter.setBrush(ToQColor(m_fillColor));
    painter.drawEllipse(centre, r, r);
    Shown(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r).toAlignedRect());
}

void PictureBox::Print(const std::string &text)
{
    EnsureCanvas();
    const ShapedText &shaped =
        m_shapedTexts->Get(QString::fromStdString(text), m_textFont, m_canvas);
    const QPointF topLeft = ToPixels(m_currentX, m_currentY);
    QPainter &painter = CanvasPainter();
    painter.setFont(m_textFont);
    painter.setPen(ToQColor(m_foreColor));
    // On whole device pixels: whole-pixel glyphs placed between pixels lose
    // their thinnest strokes (an apostrophe vanishes).
    const qreal ratio = m_canvas.devicePixelRatio();
    const QPointF origin = topLeft + QPointF(0, shaped.ascent);
    shaped.layout.draw(&painter, QPointF(std::round(origin.x() * ratio) / ratio,
                                         std::round(origin.y() * ratio) / ratio));
    Shown(QRectF(topLeft, QSizeF(shaped.advance, shaped.height)).toAlignedRect());
}

double PictureBox::TextWidth(const std::string &text) const
{
    return QFontMetricsF(m_textFont, this).horizontalAdvance(QString::fromStdString(text)) *
           TwipsPerPixel();
}

double PictureBox::TextHeight() const
{
    return QFontMetricsF(m_textFont, this).height() * TwipsPerPixel();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    const bool canvasNew = EnsureCanvas();
    // A region we did not draw into ourselves means the window system wants the
    // picture back: redraw it all from the paint handler.
    if (canvasNew || m_refreshRequested || !(event->region() - m_drawnSinceShown).isEmpty()) {
        EndCanvasPainting();
        m_canvas.fill(palette().color(QPalette::Window));
        m_inPaintHandler = true;
        if (m_paintHandler)
            m_paintHandler();
        m_inPaintHandler = false;
        m_refreshRequested = false;
    }
    EndCanvasPainting();
    m_drawnSinceShown = QRegion();
    // One copy per rectangle of the region. Under a clip of several rectangles,
    // as a tick's scattered hands and words make, Qt's raster engine composes
    // the image span by span on its worker threads, waking two threads every
    // second; under a single rectangle it copies the rows directly.
    QPainter painter(this);
    for (const QRect &area : event->region()) {
        painter.setClipRect(area);
        painter.drawImage(QPoint(0, 0), m_canvas);
    }
}

} // namespace zelvan
