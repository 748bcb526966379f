#include "editor/PreviewLayout.h"

#include <algorithm>

#include "look/CalculatorLook.h"

namespace abacor {

int EditorDivisor(const ScreenMetrics& screen) { return ClassifyScreen(screen).k; }

PreviewFontHeights ComputePreviewFontHeights(const ScreenMetrics& screen)
{
    const ScreenClass screenClass = ClassifyScreen(screen);
    const auto height = [&](FontSize size) { return FontCellHeight(screenClass, screen.dpiY, size); };
    return {height(FontSize::Display), height(FontSize::KeyCaption), height(FontSize::Label)};
}

PreviewLayout LayoutPreview(const ScreenMetrics& screen, const PreviewFontHeights& heights)
{
    PreviewLayout layout;
    const int d = EditorDivisor(screen);
    layout.divisor = d;
    const double shorter = std::min(screen.width, screen.height);

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
