#pragma once

namespace abacor {

// The lengths both the calculator window and the editor's sample of it are
// laid out by, in pixels of the 480 x 640 design; each is divided by the
// screen class's divisor (2 at 240 x 320) where it is used.
inline constexpr int kMargin = 16;     // the window's margin beside the keys
inline constexpr int kTopMargin = 14;  // above the display
inline constexpr int kKeyGap = 3;      // between two keys
inline constexpr int kBoxInset = 2;    // the display box within the margins
inline constexpr int kLineGap = 8;     // between the display and what is below it

}  // namespace abacor
