#pragma once

#include <functional>

#include "platform/drawing/DrawSurface.h"
#include "platform/drawing/Rect.h"
#include "platform/drawing/RoundCorners.h"

namespace abacor {

// The look of a pressed key: its rectangle inverted on the window's
// framebuffer, corners kept, and shown at once.
class PressFeedback {
public:
    enum Mode { Press = 1, Release = 2, Flash = 3 };
    // How long a keyboard key's flash shows the key pressed.
    static constexpr int kFlashMilliseconds = 20;
    using Flush = std::function<void(const Rect&)>;
    using Pause = std::function<void(int milliseconds)>;

    // flush shows a rectangle of the framebuffer on screen at once; pause waits.
    PressFeedback(Flush flush, Pause pause);

    void Apply(int mode, const Rect& rect, DrawSurface& framebuffer, const RoundCorners& corners);
    const Rect& PressedKeyRect() const { return pressedKeyRect_; }
    // How the flash waits; tests and tools that need no pause replace it.
    void SetPause(Pause pause) { pause_ = std::move(pause); }
    // A tap beside every key: nothing is remembered as pressed.
    void Forget() { pressedKeyRect_ = Rect{}; }

private:
    void Invert(const Rect& rect, DrawSurface& framebuffer, const RoundCorners& corners);

    Flush flush_;
    Pause pause_;
    Rect pressedKeyRect_;
};

}  // namespace abacor
