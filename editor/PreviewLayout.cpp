#include "editor/PreviewLayout.h"

#include <algorithm>

#include "look/CalculatorLook.h"
#include "look/DesignLengths.h"

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

    const int m = kMargin / d;
    const int t = kTopMargin / d;
    const int g = kKeyGap / d;
    const int W = static_cast<int>(shorter);

    const int x = (m + kBoxInset) / d;
    const int y = t + kBoxInset / d;
    layout.display = {x, y, x + W - (2 * (m + kBoxInset)) / d, y + heights.large};

    const int keyTop = t + heights.large + kLineGap / d + heights.small;
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
