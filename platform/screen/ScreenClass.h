#pragma once

#include <algorithm>

#include "platform/screen/ScreenMetrics.h"

namespace abacor {

// The screen class, by the shorter screen side: sizes are written for a
// 480-pixel screen and divided by k; fonts of N tenths of a point are
// MulDiv(trunc(S x N), dpi, 720) pixels high, so their size follows the
// class, not the dots per inch. Both programs lay out by it.
struct ScreenClass {
    int k = 1;       // LayoutDivisor
    double S = 1.0;  // FontScale
};

inline ScreenClass ClassifyScreen(const ScreenMetrics& screen)
{
    const int smaller = std::min(screen.width, screen.height);
    const double dpi = screen.dpiY > 0 ? screen.dpiY : 192;
    switch (smaller) {
    case 480: return {1, 192.0 / dpi};
    case 240: return {2, 96.0 / dpi};
    case 320: return {2, 128.0 / dpi};
    default:
        // Other screens: small ones as the 240-pixel class, large ones as the 480.
        return smaller < 480 ? ScreenClass{2, 96.0 / dpi} : ScreenClass{1, 192.0 / dpi};
    }
}

}  // namespace abacor
