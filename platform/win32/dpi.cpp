// SPDX-License-Identifier: MIT
#include "platform/win32/dpi.h"

#include <cmath>
#include <cwchar>

namespace zelvan {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr double PointsPerInch = 72.0;

} // namespace

UINT WindowDpi(HWND window)
{
    const UINT dpi = GetDpiForWindow(window);
    return dpi ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int TwipsToPixels(int twips, UINT dpi)
{
    return static_cast<int>(std::lround(twips * static_cast<double>(dpi) / TwipsPerInch));
}

double PixelsToTwips(int pixels, UINT dpi)
{
    return pixels * TwipsPerInch / dpi;
}

void PlaceInTwips(HWND control, int left, int top, int width, int height, UINT dpi)
{
    MoveWindow(control, TwipsToPixels(left, dpi), TwipsToPixels(top, dpi),
               TwipsToPixels(width, dpi), TwipsToPixels(height, dpi), TRUE);
}

void SetClientSizeInTwips(HWND window, int width, int height, UINT dpi)
{
    RECT frame{0, 0, TwipsToPixels(width, dpi), TwipsToPixels(height, dpi)};
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    AdjustWindowRectExForDpi(&frame, style, FALSE, exStyle, dpi);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Font CreateFormFont(UINT dpi, double points, Weight weight, Smoothing smoothing)
{
    LOGFONTW font{};
    // Negative: the size of the characters themselves, as a point size means.
    font.lfHeight = -static_cast<LONG>(std::lround(points * dpi / PointsPerInch));
    font.lfWeight = weight == Weight::Bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = smoothing == Smoothing::None ? NONANTIALIASED_QUALITY : DEFAULT_QUALITY;
    font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    // Where the face is missing (Wine without Windows' fonts), the font mapper
    // picks the nearest sans serif face.
    std::wcscpy(font.lfFaceName, L"Microsoft Sans Serif");
    return Font(CreateFontIndirectW(&font));
}

} // namespace zelvan
