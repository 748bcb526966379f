#pragma once

#include <array>

#include "platform/drawing/Rect.h"
#include "platform/screen/ScreenMetrics.h"

namespace abacor {

// 192 / dpi made whole: rounded, at least 1 (1 at 192 dpi, 2 at 96 dpi).
int EditorDivisor(int dpiY);
// K / dpi, K by the shorter screen side: 96 for 240, 128 for 320, else 192.
double EditorScale(const ScreenMetrics& screen);

// Cell heights of the sample's fonts: 22, 12 and 4 points.
struct PreviewFontHeights {
    int large = 0;
    int medium = 0;
    int small = 0;
};
PreviewFontHeights ComputePreviewFontHeights(int dpiY);

// The sample keys, left to right.
enum class SampleKey : int { Tax = 0, Clear = 1, Calculation = 2, Digit = 3 };

// Where the sample calculator stands on pages 1 and 2, in page pixels.
struct PreviewLayout {
    Rect display;     // control 1015
    std::array<Rect, 4> keys{};  // by SampleKey
    Rect caption;     // "M E M O R Y"
    Rect background;
    int divisor = 1;

    const Rect& Key(SampleKey key) const { return keys[static_cast<std::size_t>(key)]; }
};

// Always from the shorter screen side, so the sample keeps its portrait
// width in landscape.
PreviewLayout LayoutPreview(const ScreenMetrics& screen, const PreviewFontHeights& heights);

}  // namespace abacor
