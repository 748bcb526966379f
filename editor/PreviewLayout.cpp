#include "editor/PreviewLayout.h"

#include <algorithm>
#include <cmath>

#include "platform/drawing/MulDiv.h"

namespace abacor {

int EditorDivisor(int dpiY)
{
    if (dpiY <= 0)
        return 1;
    return std::max(1, static_cast<int>(std::lround(192.0 / dpiY)));
}

double EditorScale(const ScreenMetrics& screen)
{
    const int shorter = std::min(screen.width, screen.height);
    const double dpi = screen.dpiY > 0 ? screen.dpiY : 192;
    switch (shorter) {
    case 240: return 96.0 / dpi;
    case 320: return 128.0 / dpi;
    default: return 192.0 / dpi;
    }
}

PreviewFontHeights ComputePreviewFontHeights(int dpiY)
{
    return {MulDiv(220, dpiY, 720), MulDiv(120, dpiY, 720), MulDiv(40, dpiY, 720)};
}

PreviewLayout LayoutPreview(const ScreenMetrics& screen, const PreviewFontHeights& heights)
{
    PreviewLayout layout;
    const int d = EditorDivisor(screen.dpiY);
    layout.divisor = d;
    const double scale = EditorScale(screen);
    const double shorter = std::min(screen.width, screen.height) / scale;

    const int m = 16 / d;
    const int t = 14 / d;
    const int g = 3 / d;
    const int W = static_cast<int>(shorter);

    const int x = (m + 2) / d;
    const int y = t + 2 / d;
    layout.display = {x, y, x + W - (2 * (m + 2)) / d, y + heights.large};

    const int keyTop = t + heights.large + 8 / d + heights.small;
    const int keyBottom = keyTop + 50 / d;
    const int keyWidth = static_cast<int>((shorter - 2 * g - 2 * m) * 0.25);
    for (int i = 0; i < 4; ++i) {
        const int left = m + i * (keyWidth + g);
        layout.keys[static_cast<std::size_t>(i)] = {left, keyTop, left + keyWidth, keyBottom};
    }
    layout.background = {0, 0, W, keyBottom + 3 * (2 / d)};
    layout.caption = {layout.display.left, layout.display.bottom, layout.Key(SampleKey::Clear).right, keyTop};
    return layout;
}

}  // namespace abacor
