#pragma once

#include <string_view>

#include <QKeyCombination>
#include <QString>

class QKeyEvent;

namespace abacor {

struct Command;

// A chord of the command table ("ctrl+p", "shift+t", "g", "F3") as Qt names
// the key and its modifiers; an empty combination for a name it does not know.
QKeyCombination ChordKeys(std::string_view chord);

// A key in X keysym notation as a menu shows it: "Ctrl+P", "G", "%".
QString KeyText(std::string_view keysym);

// The command a desktop chord gives, if any. A chord of a plain key gives
// way to a key that means something by its place (the letter pad's digits):
// placeBound says the event's key does.
const Command* ChordCommand(const QKeyEvent& event, bool placeBound);

}  // namespace abacor
