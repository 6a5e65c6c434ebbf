// SPDX-License-Identifier: MIT
#pragma once

#include "platform/surface.h"
#include "platform/win32/dpi.h"

#include <functional>

namespace zelvan {

// The dial's drawing surface: a child window showing an off-screen bitmap of
// its own size at its dpi. Drawing lands in the bitmap and reaches the screen
// with the next WM_PAINT, so a tick's erased and redrawn hands show together
// and never flicker. When the window system asks for a part the program did
// not draw (first show, uncovering, restoring, a new dpi), the bitmap is
// cleared and the paint handler draws it all anew: nothing is kept for it.
// Nothing is smoothed, so a line drawn again in the face colour covers
// exactly the pixels it covered, and a text printed over itself stays as it is.
class PictureBox final : public Surface
{
public:
    PictureBox(HWND parent, int id);
    ~PictureBox() override;
    PictureBox(const PictureBox &) = delete;
    PictureBox &operator=(const PictureBox &) = delete;

    HWND Handle() const { return m_window; }
    void SetPaintHandler(std::function<void()> handler) { m_paintHandler = std::move(handler); }
    void SetForeColor(Colour colour) { m_foreColor = colour; }

    // Measures, in twips: the window's size and the font's.
    double Width() const override;
    double Height() const override;
    double FontSize() const override { return FormFontPoints; }
    double TextWidth(const std::string &text) const override;
    double TextHeight() const override;

    // What the next drawing call takes.
    Colour FillColor() const override { return m_fillColor; }
    void SetFillColor(Colour colour) override { m_fillColor = colour; }
    void SetCurrentX(double x) override { m_currentX = x; }
    void SetCurrentY(double y) override { m_currentY = y; }

    // Drawing into the bitmap.
    void Line(double x1, double y1, double x2, double y2,
              std::optional<Colour> colour = std::nullopt) override;
    void Circle(double x, double y, double radius) override;
    void Print(const std::string &text) override;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    // Makes the bitmap and the font fit the window's size and dpi.
    void EnsureCanvas() const;
    void ReleaseCanvas() const;
    int ToPixels(double twips) const;
    // Lines and outlines: whole device pixels, one at 100%, two at 150% and 200%.
    int PenWidth() const;
    void Drawn(RECT pixels);

    HWND m_window = nullptr;
    std::function<void()> m_paintHandler;
    // The canvas follows the window, which Width() and the like read too.
    mutable HDC m_canvas = nullptr;
    mutable HBITMAP m_bitmap = nullptr;
    mutable HGDIOBJ m_firstBitmap = nullptr;
    mutable Font m_font;
    mutable HGDIOBJ m_firstFont = nullptr;
    mutable SIZE m_size{};
    mutable UINT m_dpi = 0;
    // False from a new bitmap until the paint handler has drawn all of it.
    mutable bool m_holdsPicture = false;
    // What the program drew since the window last showed the bitmap.
    HRGN m_drawnSinceShown = nullptr;
    bool m_inPaintHandler = false;
    Colour m_foreColor = 0;
    Colour m_fillColor = 0xffffff;
    double m_currentX = 0;
    double m_currentY = 0;
};

} // namespace zelvan
