#pragma once

#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/MonoBitmap.h"

namespace abacor {

// The phone's rounded key corners: a black disc on the window background and
// a mask that copies the background outside the disc.
class RoundCorners {
public:
    // The width and height of the corners' ellipse.
    static constexpr int kEllipse = 10;

    // Disabled corners draw nothing (square keys).
    RoundCorners(ColorRef background, ColorRef line, bool enabled);

    const DrawSurface& Image() const { return image_; }
    bool Enabled() const { return enabled_; }

    // Gives one key rectangle its rounded corners and outline: the corners
    // show the background (also on an inverted key), the outline the line colour.
    void Draw(DrawSurface& surface, const Rect& key) const;

private:
    ColorRef line_;
    bool enabled_;
    DrawSurface image_;
    MonoBitmap mask_;
};

}  // namespace abacor
