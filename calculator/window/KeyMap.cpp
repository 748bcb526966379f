#include "calculator/window/KeyMap.h"

#include <string_view>

#include "calculator/core/CommandTable.h"

namespace abacor {

namespace {

std::string NameOf(const Command& command)
{
    return command.token.empty() ? std::to_string(command.menuId) : std::string(command.token);
}

struct Typed {
    std::string_view key;
    KeyId means;
};

// What a symbol typed means whatever its place (the keypad's digits type
// theirs too), and the Shift sequences of the phone.
constexpr Typed kTyped[] = {
    {"KP_0", KeyId::Digit0},
    {"KP_1", KeyId::Digit1},
    {"KP_2", KeyId::Digit2},
    {"KP_3", KeyId::Digit3},
    {"KP_4", KeyId::Digit4},
    {"KP_5", KeyId::Digit5},
    {"KP_6", KeyId::Digit6},
    {"KP_7", KeyId::Digit7},
    {"KP_8", KeyId::Digit8},
    {"KP_9", KeyId::Digit9},
    {"plus", KeyId::Add},
    {"minus", KeyId::Subtract},
    {"asterisk", KeyId::Multiply},
    {"slash", KeyId::Divide},
    {"equal", KeyId::Equals},
    {"percent", KeyId::Percent},
    {"KP_Enter", KeyId::Equals},
    {"shift+3", KeyId::Point},
    {"shift+KP_Multiply", KeyId::Sign},
    {"shift+apostrophe", KeyId::Sign},
};

}  // namespace

std::vector<KeyMapLine> KeyMap()
{
    std::vector<KeyMapLine> lines;
    for (const Command& command : kCommands) {
        // The digit 3 is bound apart: Shift then 3 is the point.
        if (command.key == KeyId::Digit3)
            lines.push_back({NameOf(command), "3"});
        // The slash's place is the phone's 0 only where it types no "/".
        for (const std::uint32_t code : command.keyCodes)
            if (code != 0 && code != VkOem2)
                lines.push_back({NameOf(command), std::string(VirtualKeyName(code))});
        for (const Typed& typed : kTyped)
            if (command.key == typed.means)
                lines.push_back({NameOf(command), std::string(typed.key)});
        for (const std::string_view chord : command.chords)
            if (!chord.empty())
                lines.push_back({NameOf(command), std::string(chord)});
    }
    return lines;
}

std::string MenuKey(int commandId)
{
    const Command* command = CommandOfMenuId(commandId);
    if (command == nullptr)
        return {};
    const std::string name = NameOf(*command);
    // Every menu item asks: the map is made once.
    static const std::vector<KeyMapLine> map = KeyMap();
    for (const KeyMapLine& line : map)
        if (line.command == name)
            return line.key;
    return {};
}

std::string KeyMapText()
{
    std::string text;
    for (const KeyMapLine& line : KeyMap())
        text += line.command + '\t' + line.key + '\n';
    return text;
}

}  // namespace abacor
