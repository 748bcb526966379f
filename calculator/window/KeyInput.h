#pragma once

#include <cstdint>
#include <optional>

#include <QString>
#include <QStringView>

#include "calculator/core/CommandTable.h"
#include "calculator/display/WindowLayout.h"
#include "calculator/keys/Keys.h"

namespace abacor {

// Keyboard keys: a key that types a calculator symbol in the current layout
// (digits, the locale's decimal separator, + - * / = %) means that symbol;
// "," where it is grouping is ignored, as in a paste; any other key keeps
// the phone's meaning by its place, a virtual-key code: letter keys form a
// second numeric pad, arrows are the operators, and Shift followed by "3"
// gives the point, followed by the keypad's × or 0xDE the sign, each on the
// release of Shift. The bindings are the tables of KeyBindings.h.
class KeyInput {
public:
    // The command a key press gives, if any. text is what the key types in
    // the current layout with the modifiers held.
    const Command* OnKeyDown(std::uint32_t code, QStringView text = {});
    // The command a Shift sequence gives at the release of Shift, if any.
    const Command* OnKeyUp(std::uint32_t code);

private:
    const Command* PhysicalKey(std::uint32_t code, QStringView text);

    std::uint32_t lastKeyDown_ = 0;
    bool lastTyped_ = false;  // the last key went by the symbol it typed
    std::uint32_t prevKeyDown_ = 0;
};

// The key under a tap, testing the rectangles in the hit order; none for the
// display, the gaps and empty cells.
std::optional<KeyId> HitTest(const WindowLayout& layout, int x, int y);

}  // namespace abacor
