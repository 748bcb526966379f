#pragma once

#include <optional>

class QKeyEvent;

namespace abacor {

// The command a desktop chord gives (Ctrl+C, Ctrl+V, Ctrl+Q, F3, ...), if any.
std::optional<int> ShortcutCommand(const QKeyEvent& event);

}  // namespace abacor
