#pragma once

namespace abacor {

// "常に手前に表示" can be offered: not on Wayland, which leaves stacking to
// the compositor.
bool StayOnTopPossible();

}  // namespace abacor
