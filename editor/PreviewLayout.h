#pragma once

#include <array>

#include "platform/drawing/Rect.h"
#include "platform/screen/ScreenClass.h"

namespace abacor {

// The divisor of the editor's sizes: the screen class's, as the calculator's
// window uses (1 at 480 x 640, 2 at 240 x 320), so that a window of any size
// from 240 up holds the whole sample.
int EditorDivisor(const ScreenMetrics& screen);

// Cell heights of the sample's fonts: 22, 12 and 4 points.
struct PreviewFontHeights {
    int large = 0;
    int medium = 0;
    int small = 0;
};
PreviewFontHeights ComputePreviewFontHeights(const ScreenMetrics& screen);

// The sample keys, left to right.
enum class SampleKey : int { Tax = 0, Clear = 1, Calculation = 2, Digit = 3 };

// Where the sample calculator stands on pages 1 and 2, in page pixels.
struct PreviewLayout {
    Rect display;                // control 1015
    std::array<Rect, 4> keys{};  // by SampleKey
    Rect caption;                // "M E M O R Y"
    Rect background;
    int divisor = 1;

    const Rect& Key(SampleKey key) const { return keys[static_cast<std::size_t>(key)]; }
};

// Always from the shorter screen side, so the sample keeps its portrait
// width in landscape.
PreviewLayout LayoutPreview(const ScreenMetrics& screen, const PreviewFontHeights& heights);

}  // namespace abacor
