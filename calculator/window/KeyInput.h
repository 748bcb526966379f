#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include <QString>
#include <QStringView>

#include "calculator/display/WindowLayout.h"
#include "calculator/keys/Keys.h"

namespace abacor {

class Calculator;

// Keyboard keys: a key that types a calculator symbol in the current layout
// (digits, "." or ",", + - * / = %) means that symbol; any other key keeps
// the phone's meaning by its place, a virtual-key code: letter keys form a
// second numeric pad, arrows are the operators, and Shift followed by "3"
// gives the point, followed by the keypad's × or 0xDE the sign, each on the
// release of Shift. Returns the on-screen key that flashes for it.
class KeyInput {
public:
    // How a key is pressed; PressKey on the calculator when none is set.
    void SetPress(std::function<void(KeyId)> press) { press_ = std::move(press); }

    // OnKeyDown: runs the key's operation; returns the key to flash, if any.
    // text is what the key types in the current layout with the modifiers held.
    std::optional<KeyId> OnKeyDown(std::uint32_t code, Calculator& calculator, QStringView text = {});
    // OnKeyUp: the Shift sequences; returns the key to flash, if any.
    std::optional<KeyId> OnKeyUp(std::uint32_t code, Calculator& calculator);

private:
    std::optional<KeyId> PhysicalKey(std::uint32_t code, QStringView text);

    void Press(KeyId key, Calculator& calculator);

    std::function<void(KeyId)> press_;
    std::uint32_t lastKeyDown_ = 0;
    bool lastTyped_ = false;  // the last key went by the symbol it typed
    std::uint32_t prevKeyDown_ = 0;
};

// The keyboard key that presses an on-screen key, as assistive technology
// names it ("1", "Up", "Escape"); empty for keys only a tap reaches.
QString KeyboardKeyName(KeyId key);

// The key under a tap, testing the rectangles in the hit order; none for the
// display, the gaps and empty cells.
std::optional<KeyId> HitTest(const WindowLayout& layout, int x, int y);

}  // namespace abacor
