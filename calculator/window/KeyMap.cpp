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
    std::string_view token;  // the command it gives
};

// What a symbol typed means whatever its place (the keypad's digits type
// theirs too), and the Shift sequences of the phone where Shift and 3 type
// no symbol ("#" is 非加算).
constexpr Typed kTyped[] = {
    {"KP_0", "0"},
    {"KP_1", "1"},
    {"KP_2", "2"},
    {"KP_3", "3"},
    {"KP_4", "4"},
    {"KP_5", "5"},
    {"KP_6", "6"},
    {"KP_7", "7"},
    {"KP_8", "8"},
    {"KP_9", "9"},
    {"plus", "+"},
    {"minus", "-"},
    {"asterisk", "*"},
    {"slash", "/"},
    {"equal", "="},
    {"percent", "%"},
    {"numbersign", "nonadd"},
    {"colon", "hms"},
    {"asciitilde", "to"},
    {"KP_Enter", "="},
    {"shift+3", "."},
    {"shift+KP_Multiply", "+/-"},
    {"shift+apostrophe", "+/-"},
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
            if (command.token == typed.token)
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
