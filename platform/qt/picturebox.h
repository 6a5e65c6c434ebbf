// SPDX-License-Identifier: MIT
#pragma once

#include "platform/surface.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <memory>

namespace zelvan {

class ShapedTexts;

// The dial's drawing surface: a widget holding a pixel canvas at the screen's
// device-pixel ratio. Drawing lands on the canvas and is shown at once; when the
// window system asks for a repaint (first show, resize, a change of scale, an
// explicit Refresh), the canvas is cleared and the paint handler draws it anew.
// Lines, circles and texts are not antialiased, so drawing a line again in
// another colour covers exactly the same pixels, and a text printed again over
// itself changes no pixel.
class PictureBox final : public QWidget, public Surface
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);
    ~PictureBox() override;

    void SetPaintHandler(std::function<void()> handler) { m_paintHandler = std::move(handler); }
    void SetForeColor(Colour colour) { m_foreColor = colour; }
    // Repaints the whole picture through the paint handler.
    void Refresh();

    // The pixels as last drawn (device pixels).
    const QImage &Canvas() const;

    double Width() const override;
    double Height() const override;
    Colour FillColor() const override { return m_fillColor; }
    void SetFillColor(Colour colour) override { m_fillColor = colour; }
    void Line(double x1, double y1, double x2, double y2,
              std::optional<Colour> colour = std::nullopt) override;
    void Circle(double x, double y, double radius) override;
    void SetCurrentX(double x) override { m_currentX = x; }
    void SetCurrentY(double y) override { m_currentY = y; }
    double FontSize() const override { return font().pointSizeF(); }
    void Print(const std::string &text) override;
    double TextWidth(const std::string &text) const override;
    double TextHeight() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void UpdateTextFont();
    double TwipsPerPixel() const;
    QPointF ToPixels(double x, double y) const;
    bool EnsureCanvas();
    QPainter &CanvasPainter();
    void EndCanvasPainting() const;
    void Shown(const QRect &pixels);

    // The widget's font, drawn without antialiasing.
    QFont m_textFont;
    std::function<void()> m_paintHandler;
    std::unique_ptr<ShapedTexts> m_shapedTexts;
    QImage m_canvas;
    // Open on the canvas from the first drawing call until the picture is
    // shown: a tick draws a dozen lines and texts, and beginning a painter for
    // each took longer than drawing. Declared after the canvas, so it ends first.
    mutable QPainter m_painter;
    QRegion m_drawnSinceShown;
    bool m_refreshRequested = false;
    bool m_inPaintHandler = false;
    Colour m_foreColor = Rgb(0, 0, 0);
    Colour m_fillColor = Rgb(255, 255, 255);
    double m_currentX = 0;
    double m_currentY = 0;
};

} // namespace zelvan
