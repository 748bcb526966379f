#include "calculator/display/PressFeedback.h"

namespace abacor {

PressFeedback::PressFeedback(Flush flush, Pause pause) : flush_(std::move(flush)), pause_(std::move(pause)) {}

void PressFeedback::Invert(const Rect& rect, DrawSurface& framebuffer, const RoundCorners& corners)
{
    framebuffer.InvertRect(rect);
    // Corners back in the background colour, outline in the line colour.
    corners.Draw(framebuffer, rect);
    if (flush_)
        flush_(rect);
}

void PressFeedback::Apply(int mode, const Rect& rect, DrawSurface& framebuffer, const RoundCorners& corners)
{
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
        if (pause_)
            pause_(kFlashMilliseconds);
        Invert(rect, framebuffer, corners);
        break;
    default: break;
    }
}

}  // namespace abacor
