#include "calculator/display/KeyFaceStrip.h"

#include <algorithm>
#include <utility>

#include "platform/drawing/KeyFace.h"

namespace abacor {

namespace {

// Each style's face is drawn in the colours of its key group.
constexpr std::pair<KeyStyle, KeyGroup> kStyles[] = {
    {KeyStyle::Digit, KeyGroup::Digit},
    {KeyStyle::Calculation, KeyGroup::Calculation},
    {KeyStyle::Clear, KeyGroup::Clear},
    {KeyStyle::Tax, KeyGroup::Tax},
    {KeyStyle::TallEquals, KeyGroup::Calculation},
};

}  // namespace

KeyFaceStrip::KeyFaceStrip(const WindowLayout& layout, const CalculatorSettings& settings, const RoundCorners& corners)
    : columnWidth_(layout.columnWidth), rowHeight_(layout.rowHeight), gap_(layout.gap),
      strip_(std::max(layout.columnWidth, 1), std::max(6 * layout.rowHeight + layout.gap, 1))
{
    strip_.FillRect({0, 0, strip_.Width(), strip_.Height()}, settings.DialogBackColor);
    if (columnWidth_ <= 0 || rowHeight_ <= 0)
        return;  // a client area too small for keys: nothing to draw

    const KeyFaceLook look = KeyLook(settings, corners);
    for (const auto& [style, group] : kStyles) {
        const KeyColours colours = KeyGroupColours(settings, group);
        DrawKeyFace(strip_, Band(style), colours.background, colours.gradation, look);
    }
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
    DrawKeyCaption(surface, key, caption, captionColor);
}

}  // namespace abacor
