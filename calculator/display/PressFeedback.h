#pragma once

#include <functional>

#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/Rect.h"
#include "platform/drawing/RoundCorners.h"

namespace abacor {

// The look of a pressed key: its rectangle inverted on the window's
// framebuffer, corners kept, and shown at once. A flash shows it pressed
// until EndFlash, which the window calls a moment later; anything else
// drawn on the framebuffer first ends it, so that the picture never keeps a
// key inverted.
class PressFeedback {
public:
    enum Mode { Press = 1, Release = 2, Flash = 3 };
    // How long a keyboard key's flash shows the key pressed.
    static constexpr int kFlashMilliseconds = 20;
    using Flush = std::function<void(const Rect&)>;

    // flush shows a rectangle of the framebuffer on screen at once.
    explicit PressFeedback(Flush flush);

    void Apply(int mode, const Rect& rect, DrawSurface& framebuffer, const RoundCorners& corners);
    // The flashed key back as it was, shown at once unless told not to (a
    // paint under way shows it); returns its rectangle, null for none.
    Rect EndFlash(DrawSurface& framebuffer, const RoundCorners& corners, bool show = true);
    const Rect& FlashingKeyRect() const { return flashing_; }
    const Rect& PressedKeyRect() const { return pressedKeyRect_; }
    // A tap beside every key: nothing is remembered as pressed.
    void Forget() { pressedKeyRect_ = Rect{}; }

private:
    void Invert(const Rect& rect, DrawSurface& framebuffer, const RoundCorners& corners, bool show = true);

    Flush flush_;
    Rect pressedKeyRect_;
    Rect flashing_;
};

}  // namespace abacor
