#include "calculator/display/KeyFaceStrip.h"

#include <algorithm>

#include "platform/drawing/KeyFace.h"

namespace abacor {

namespace {

struct StyleColours {
    KeyStyle style;
    std::uint32_t CalculatorSettings::*back;
    std::uint32_t CalculatorSettings::*gradation;
};

constexpr StyleColours kStyles[] = {
    {KeyStyle::Digit, &CalculatorSettings::ButtonBackColor1, &CalculatorSettings::ButtonGradColor1},
    {KeyStyle::Calculation, &CalculatorSettings::ButtonBackColor2, &CalculatorSettings::ButtonGradColor2},
    {KeyStyle::Clear, &CalculatorSettings::ButtonBackColor3, &CalculatorSettings::ButtonGradColor3},
    {KeyStyle::Tax, &CalculatorSettings::ButtonBackColor4, &CalculatorSettings::ButtonGradColor4},
    {KeyStyle::TallEquals, &CalculatorSettings::ButtonBackColor2, &CalculatorSettings::ButtonGradColor2},
};

}  // namespace

KeyFaceStrip::KeyFaceStrip(const WindowLayout& layout, const CalculatorSettings& settings,
                           const RoundCorners& corners)
    : columnWidth_(layout.columnWidth), rowHeight_(layout.rowHeight), gap_(layout.gap),
      strip_(std::max(layout.columnWidth, 1), std::max(6 * layout.rowHeight + layout.gap, 1))
{
    strip_.FillRect({0, 0, strip_.Width(), strip_.Height()}, settings.DialogBackColor);
    if (columnWidth_ <= 0 || rowHeight_ <= 0)
        return;  // a client area too small for keys: nothing to draw

    const KeyFaceLook look{FlagOn(settings.GradationFlg), settings.ButtonLineColor, &corners};
    for (const StyleColours& colours : kStyles)
        DrawKeyFace(strip_, Band(colours.style), settings.*colours.back, settings.*colours.gradation, look);
}

Rect KeyFaceStrip::Band(KeyStyle style) const
{
    const int index = static_cast<int>(style) - 1;
    if (style == KeyStyle::TallEquals)
        return {0, 4 * rowHeight_, columnWidth_, 6 * rowHeight_ + gap_};
    return {0, index * rowHeight_, columnWidth_, (index + 1) * rowHeight_};
}

void KeyFaceStrip::DrawKey(DrawSurface& surface, const Rect& key, const QString& caption, ColorRef captionColor,
                           KeyStyle style) const
{
    surface.BitBlt(key.left, key.top, key.Width(), key.Height(), strip_, 0, (static_cast<int>(style) - 1) * rowHeight_);
    surface.SetTextColor(captionColor);
    surface.DrawText(caption, key, TextAlign::Center);
}

}  // namespace abacor
