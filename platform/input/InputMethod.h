#pragma once

class QWidget;

namespace abacor {

// Switches the window's input method to plain alphanumeric input: key
// presses reach the window as keys, never as composed text.
void SwitchToAlphanumericInput(QWidget& window);

}  // namespace abacor
