#include "calculator/window/KeyMap.h"

#include <string_view>

#include "calculator/core/CommandTable.h"
#include "calculator/window/KeyBindings.h"

namespace abacor {

namespace {

std::string NameOf(const Command& command)
{
    return command.token.empty() ? std::to_string(command.menuId) : std::string(command.token);
}

}  // namespace

std::vector<KeyMapLine> KeyMap()
{
    std::vector<KeyMapLine> lines;
    for (const Command& command : kCommands) {
        // The digit 3 is bound apart: Shift then 3 is the point.
        if (command.key == KeyId::Digit3)
            lines.push_back({NameOf(command), "3"});
        // The slash's place is the phone's 0 only where it types no "/".
        for (const std::uint32_t code : KeyCodesOf(command))
            if (code != 0 && code != VkOem2)
                lines.push_back({NameOf(command), std::string(VirtualKeyName(code))});
        for (const TypedSymbol& typed : kTypedSymbols)
            if (command.token == typed.token && !typed.keysym.empty())
                lines.push_back({NameOf(command), std::string(typed.keysym)});
        for (const NamedSequence& sequence : kNamedSequences)
            if (command.token == sequence.token)
                lines.push_back({NameOf(command), std::string(sequence.keys)});
        for (const std::string_view chord : ChordsOf(command))
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
