#pragma once

class QWidget;

namespace abacor {

// "常に手前に表示" can be offered: not on Wayland, which leaves stacking to
// the compositor.
bool StayOnTopPossible();

// Keeps a top-level window above others, or not. A shown window keeps its
// native window: a new flag on the widget would make a new one, which the
// window manager places anew.
void KeepAbove(QWidget& window, bool above);

}  // namespace abacor
