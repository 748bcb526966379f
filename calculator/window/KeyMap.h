#pragma once

#include <string>
#include <vector>

namespace abacor {

// One binding of the keyboard: the command (its abacor-calc token, or its
// menu id where it has none) and the key in X keysym notation.
struct KeyMapLine {
    std::string command;
    std::string key;
};

// Every binding the calculator window answers: keys by their place, the
// symbols typed on any layout, the Shift sequences and the desktop chords.
std::vector<KeyMapLine> KeyMap();

// The key a menu shows beside a command's item: its first binding; empty
// for none.
std::string MenuKey(int commandId);

// The map as `Abacor --keys` prints it: a line per binding, TAB between.
std::string KeyMapText();

}  // namespace abacor
