#pragma once

#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/MonoBitmap.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

// The rounded-corner image and its mask, made once per window: a black disc
// on DialogBackColor, and a mask that copies the background outside the disc.
class RoundCorners {
public:
    explicit RoundCorners(const CalculatorSettings& settings);

    const DrawSurface& Image() const { return image_; }
    const MonoBitmap& Mask() const { return mask_; }

    // Gives one key rectangle its rounded corners and outline, when
    // RoundButtonFlg is on: the corners show DialogBackColor (also on an
    // inverted key), the outline ButtonLineColor.
    void Draw(DrawSurface& surface, const Rect& key) const;

private:
    const CalculatorSettings* settings_;
    DrawSurface image_;
    MonoBitmap mask_;
};

}  // namespace abacor
