#include "calculator/display/PressFeedback.h"

#include <utility>

namespace abacor {

PressFeedback::PressFeedback(Flush flush) : flush_(std::move(flush)) {}

void PressFeedback::Invert(const Rect& rect, DrawSurface& framebuffer, const RoundCorners& corners, bool show)
{
    framebuffer.InvertRect(rect);
    // Corners back in the background colour, outline in the line colour.
    corners.Draw(framebuffer, rect);
    if (flush_ && show)
        flush_(rect);
}

Rect PressFeedback::EndFlash(DrawSurface& framebuffer, const RoundCorners& corners, bool show)
{
    if (flashing_.IsNull())
        return {};
    const Rect rect = std::exchange(flashing_, Rect{});
    Invert(rect, framebuffer, corners, show);
    return rect;
}

void PressFeedback::Apply(int mode, const Rect& rect, DrawSurface& framebuffer, const RoundCorners& corners)
{
    EndFlash(framebuffer, corners);
    switch (mode) {
    case Press:
        if (rect.IsNull())
            return;
        Invert(rect, framebuffer, corners);
        pressedKeyRect_ = rect;
        break;
    case Release:
        if (pressedKeyRect_.IsNull())
            return;
        Invert(pressedKeyRect_, framebuffer, corners);
        pressedKeyRect_ = Rect{};
        break;
    case Flash:
        if (rect.IsNull())
            return;
        Invert(rect, framebuffer, corners);
        flashing_ = rect;
        break;
    default: break;
    }
}

}  // namespace abacor
