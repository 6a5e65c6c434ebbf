// SPDX-License-Identifier: MIT
#include "platform/win32/picturebox.h"

#include "platform/win32/text.h"
#include "platform/win32/windowclass.h"

#include <algorithm>
#include <cmath>

namespace zelvan {

namespace {

constexpr const wchar_t *ClassName = L"Zelvan.PictureBox";

// A pen or brush selected into a device context for one drawing call.
class Selected
{
public:
    Selected(HDC dc, HGDIOBJ object) : m_dc(dc), m_object(object), m_previous(SelectObject(dc, object)) {}
    ~Selected()
    {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_object);
    }
    Selected(const Selected &) = delete;
    Selected &operator=(const Selected &) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_object;
    HGDIOBJ m_previous;
};

HPEN LinePen(int width, Colour colour)
{
    if (width == 1)
        return CreatePen(PS_SOLID, 1, colour);
    // Flat ends: a hand ends where its tip is, at any width.
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER,
                        static_cast<DWORD>(width), &brush, 0, nullptr);
}

} // namespace

PictureBox::PictureBox(HWND parent, int id)
{
    RegisterWindowClass(ClassName, &PictureBox::Procedure);
    m_drawnSinceShown = CreateRectRgn(0, 0, 0, 0);
    // Named for screen readers, which read a custom window's text as its name.
    m_window = CreateWindowExW(0, ClassName, L"Dial", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

PictureBox::~PictureBox()
{
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    ReleaseCanvas();
    DeleteObject(m_drawnSinceShown);
}

void PictureBox::ReleaseCanvas() const
{
    if (!m_canvas)
        return;
    SelectObject(m_canvas, m_firstFont);
    SelectObject(m_canvas, m_firstBitmap);
    DeleteObject(m_bitmap);
    DeleteDC(m_canvas);
    m_font.reset();
    m_canvas = nullptr;
    m_bitmap = nullptr;
}

void PictureBox::EnsureCanvas() const
{
    RECT client{};
    GetClientRect(m_window, &client);
    const SIZE size{std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom)};
    const UINT dpi = WindowDpi(m_window);
    if (m_canvas && size.cx == m_size.cx && size.cy == m_size.cy && dpi == m_dpi)
        return;
    ReleaseCanvas();
    HDC screen = GetDC(m_window);
    m_canvas = CreateCompatibleDC(screen);
    m_bitmap = CreateCompatibleBitmap(screen, size.cx, size.cy);
    ReleaseDC(m_window, screen);
    m_firstBitmap = SelectObject(m_canvas, m_bitmap);
    // Smoothed edges would blend once more at every reprint over the same
    // place and the brand words would darken tick after tick.
    m_font = CreateFormFont(dpi, FormFontPoints, Weight::Normal, Smoothing::None);
    m_firstFont = SelectObject(m_canvas, m_font.get());
    SetBkMode(m_canvas, TRANSPARENT);
    const RECT all{0, 0, size.cx, size.cy};
    FillRect(m_canvas, &all, GetSysColorBrush(COLOR_BTNFACE));
    m_size = size;
    m_dpi = dpi;
    m_holdsPicture = false;
}

double PictureBox::Width() const
{
    RECT client{};
    GetClientRect(m_window, &client);
    return PixelsToTwips(client.right, WindowDpi(m_window));
}

double PictureBox::Height() const
{
    RECT client{};
    GetClientRect(m_window, &client);
    return PixelsToTwips(client.bottom, WindowDpi(m_window));
}

int PictureBox::ToPixels(double twips) const
{
    return static_cast<int>(std::lround(twips * m_dpi / 1440.0));
}

int PictureBox::PenWidth() const
{
    return std::max(1, static_cast<int>(std::lround(m_dpi / static_cast<double>(USER_DEFAULT_SCREEN_DPI))));
}

void PictureBox::Drawn(RECT pixels)
{
    // The paint under way shows the whole bitmap when the handler is done.
    if (m_inPaintHandler)
        return;
    HRGN area = CreateRectRgnIndirect(&pixels);
    CombineRgn(m_drawnSinceShown, m_drawnSinceShown, area, RGN_OR);
    DeleteObject(area);
    InvalidateRect(m_window, &pixels, FALSE);
}

void PictureBox::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour)
{
    EnsureCanvas();
    const POINT from{ToPixels(x1), ToPixels(y1)};
    const POINT to{ToPixels(x2), ToPixels(y2)};
    const int width = PenWidth();
    {
        Selected pen(m_canvas, LinePen(width, colour.value_or(m_foreColor)));
        MoveToEx(m_canvas, from.x, from.y, nullptr);
        LineTo(m_canvas, to.x, to.y);
    }
    Drawn({std::min(from.x, to.x) - width, std::min(from.y, to.y) - width,
           std::max(from.x, to.x) + width + 1, std::max(from.y, to.y) + width + 1});
}

void PictureBox::Circle(double x, double y, double radius)
{
    EnsureCanvas();
    const int cx = ToPixels(x);
    const int cy = ToPixels(y);
    const int r = ToPixels(std::fabs(radius));
    // One pixel more to the right and below than the radius, as Ellipse leaves
    // out its rectangle's last row and column: the circle is even about its centre.
    const RECT box{cx - r, cy - r, cx + r + 1, cy + r + 1};
    {
        Selected pen(m_canvas, CreatePen(PS_INSIDEFRAME, PenWidth(), m_foreColor));
        Selected brush(m_canvas, CreateSolidBrush(m_fillColor));
        Ellipse(m_canvas, box.left, box.top, box.right, box.bottom);
    }
    Drawn(box);
}

void PictureBox::Print(const std::string &text)
{
    EnsureCanvas();
    const std::wstring wide = Widen(text);
    const int length = static_cast<int>(wide.size());
    const POINT at{ToPixels(m_currentX), ToPixels(m_currentY)};
    SetTextColor(m_canvas, m_foreColor);
    TextOutW(m_canvas, at.x, at.y, wide.c_str(), length);
    SIZE extent{};
    GetTextExtentPoint32W(m_canvas, wide.c_str(), length, &extent);
    // Italic overhangs and the like reach a little past the advance.
    Drawn({at.x - 1, at.y, at.x + extent.cx + 2, at.y + extent.cy + 1});
}

double PictureBox::TextWidth(const std::string &text) const
{
    EnsureCanvas();
    const std::wstring wide = Widen(text);
    SIZE extent{};
    GetTextExtentPoint32W(m_canvas, wide.c_str(), static_cast<int>(wide.size()), &extent);
    return PixelsToTwips(extent.cx, m_dpi);
}

double PictureBox::TextHeight() const
{
    EnsureCanvas();
    TEXTMETRICW metrics{};
    GetTextMetricsW(m_canvas, &metrics);
    return PixelsToTwips(metrics.tmHeight, m_dpi);
}

void PictureBox::Paint()
{
    HRGN asked = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(m_window, asked, FALSE);
    EnsureCanvas();
    // Anything asked for beyond what the program drew is the window system's
    // wish to see the picture again: it is drawn from the start.
    bool redraw = !m_holdsPicture;
    if (!redraw)
        redraw = CombineRgn(asked, asked, m_drawnSinceShown, RGN_DIFF) != NULLREGION;
    DeleteObject(asked);

    PAINTSTRUCT paint{};
    HDC screen = BeginPaint(m_window, &paint);
    if (redraw) {
        const RECT all{0, 0, m_size.cx, m_size.cy};
        FillRect(m_canvas, &all, GetSysColorBrush(COLOR_BTNFACE));
        m_inPaintHandler = true;
        if (m_paintHandler)
            m_paintHandler();
        m_inPaintHandler = false;
        m_holdsPicture = true;
    }
    SetRectRgn(m_drawnSinceShown, 0, 0, 0, 0);
    const RECT &r = paint.rcPaint;
    BitBlt(screen, r.left, r.top, r.right - r.left, r.bottom - r.top, m_canvas, r.left, r.top,
           SRCCOPY);
    EndPaint(m_window, &paint);
}

LRESULT CALLBACK PictureBox::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = reinterpret_cast<PictureBox *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
        switch (message) {
        case WM_PAINT:
            self->Paint();
            return 0;
        case WM_ERASEBKGND:
            // Every pixel comes from the bitmap.
            return 1;
        default:
            break;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace zelvan
