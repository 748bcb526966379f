#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

#include "calculator/display/WindowLayout.h"
#include "calculator/keys/Keys.h"

namespace abacor {

// Keyboard keys: a key that types a calculator symbol in the current layout
// (digits, "." or ",", + - * / = %) means that symbol; any other key keeps
// the phone's meaning by its place, a virtual-key code: letter keys form a
// second numeric pad, arrows are the operators, and Shift followed by "3"
// gives the point, followed by the keypad's × or 0xDE the sign, each on the
// release of Shift. The bindings are the command table's rows.
class KeyInput {
public:
    // The key a key press presses, if any. text is what the key types in
    // the current layout with the modifiers held.
    std::optional<KeyId> OnKeyDown(std::uint32_t code, QStringView text = {});
    // The key a Shift sequence presses at the release of Shift, if any.
    std::optional<KeyId> OnKeyUp(std::uint32_t code);

private:
    std::optional<KeyId> PhysicalKey(std::uint32_t code, QStringView text);

    std::uint32_t lastKeyDown_ = 0;
    bool lastTyped_ = false;  // the last key went by the symbol it typed
    std::uint32_t prevKeyDown_ = 0;
};

// The key under a tap, testing the rectangles in the hit order; none for the
// display, the gaps and empty cells.
std::optional<KeyId> HitTest(const WindowLayout& layout, int x, int y);

}  // namespace abacor
