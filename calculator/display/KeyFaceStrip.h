#pragma once

#include <QString>

#include "calculator/display/DisplayResources.h"
#include "calculator/display/WindowLayout.h"
#include "calculator/keys/Keys.h"
#include "look/CalculatorLook.h"
#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/RoundCorners.h"

namespace abacor {

// One face each in the key-face strip: a key group's, or 5, the tall "＝" of
// the landscape grid.
enum class KeyStyle : int { Digit = 1, Calculation = 2, Clear = 3, Tax = 4, TallEquals = 5 };

constexpr KeyStyle StyleOf(KeyGroup group) { return static_cast<KeyStyle>(static_cast<int>(group)); }

// One face per key style, drawn once per layout (gradation, bevel or rounded
// outline) so that a paint only copies a face under each key.
class KeyFaceStrip {
public:
    // A strip columnWidth wide and 6 x rowHeight + gap high.
    KeyFaceStrip(const WindowLayout& layout, const CalculatorSettings& settings, const RoundCorners& corners);

    const DrawSurface& Surface() const { return strip_; }
    // The band of a style within the strip.
    Rect Band(KeyStyle style) const;

    // DrawKey: the face under the key, then its caption centred.
    void DrawKey(DrawSurface& surface, const Rect& key, const QString& caption, ColorRef captionColor,
                 KeyStyle style) const;

private:
    int columnWidth_;
    int rowHeight_;
    int gap_;
    DrawSurface strip_;
};

}  // namespace abacor
