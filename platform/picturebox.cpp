// SPDX-License-Identifier: MIT
#include "picturebox.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace zelvan {

namespace {

QColor ToQColor(Colour c) { return QColor(Red(c), Green(c), Blue(c)); }

// One logical pixel wide, square-ended lines drawn end to end.
QPen LinePen(Colour c)
{
    QPen pen(ToQColor(c), 1.0);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

constexpr double TwipsPerInch = 1440.0;

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    // Every pixel comes from the canvas: no need for Qt to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double PictureBox::TwipsPerPixel() const { return TwipsPerInch / logicalDpiX(); }

double PictureBox::Width() const { return width() * TwipsPerPixel(); }

double PictureBox::Height() const { return height() * TwipsPerPixel(); }

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
    m_canvas = QImage(pixels.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_canvas.setDevicePixelRatio(ratio);
    m_canvas.fill(palette().color(QPalette::Window));
    return true;
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
    QPainter painter(&m_canvas);
    painter.setPen(LinePen(colour.value_or(m_foreColor)));
    painter.drawLine(a, b);
    Shown(QRectF(a, b).normalized().toAlignedRect());
}

void PictureBox::Circle(double x, double y, double radius)
{
    EnsureCanvas();
    const QPointF centre = ToPixels(x, y);
    const double r = std::fabs(radius) / TwipsPerPixel();
    QPainter painter(&m_canvas);
    painter.setPen(LinePen(m_foreColor));
    painter.setBrush(ToQColor(m_fillColor));
    painter.drawEllipse(centre, r, r);
    Shown(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r).toAlignedRect());
}

void PictureBox::Print(const std::string &text)
{
    EnsureCanvas();
    const QString s = QString::fromStdString(text);
    const QPointF topLeft = ToPixels(m_currentX, m_currentY);
    QPainter painter(&m_canvas);
    painter.setFont(font());
    painter.setPen(ToQColor(m_foreColor));
    const QFontMetricsF metrics(font(), &m_canvas);
    painter.drawText(topLeft + QPointF(0, metrics.ascent()), s);
    Shown(QRectF(topLeft, QSizeF(metrics.horizontalAdvance(s), metrics.height())).toAlignedRect());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    const bool canvasNew = EnsureCanvas();
    // A region we did not draw into ourselves means the window system wants the
    // picture back: redraw it all from the paint handler.
    if (canvasNew || m_refreshRequested || !(event->region() - m_drawnSinceShown).isEmpty()) {
        m_canvas.fill(palette().color(QPalette::Window));
        m_inPaintHandler = true;
        if (m_paintHandler)
            m_paintHandler();
        m_inPaintHandler = false;
        m_refreshRequested = false;
    }
    m_drawnSinceShown = QRegion();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_canvas);
}

} // namespace zelvan
