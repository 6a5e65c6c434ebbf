// SPDX-License-Identifier: MIT
#pragma once

#include "platform/win32/winapi.h"

#include <memory>
#include <type_traits>

namespace zelvan {

// Layouts are given in twips (1/1440 inch); a window's pixels are at its own
// dpi, which follows the monitor it is on (96 at 100%, 144 at 150%).
UINT WindowDpi(HWND window);
int TwipsToPixels(int twips, UINT dpi);
double PixelsToTwips(int pixels, UINT dpi);
// Moves and sizes a child window to a rectangle given in twips.
void PlaceInTwips(HWND control, int left, int top, int width, int height, UINT dpi);
// Sizes a top-level window so that its client area is the size given in twips.
void SetClientSizeInTwips(HWND window, int width, int height, UINT dpi);

struct FontDeleter
{
    void operator()(HFONT font) const { DeleteObject(font); }
};
using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

enum class Weight { Normal, Bold };
enum class Smoothing { System, None };

// The forms' typeface at a size in points for a window's dpi.
Font CreateFormFont(UINT dpi, double points, Weight weight = Weight::Normal,
                    Smoothing smoothing = Smoothing::System);

// The size in points every control without a font of its own uses.
inline constexpr double FormFontPoints = 8.25;

} // namespace zelvan
