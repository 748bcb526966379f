#include "calculator/core/CommandTable.h"

#include "text/Utf.h"

namespace abacor {

namespace commands {

CommandOutcome Type(Calculator& calculator, const Command& command)
{
    const char16_t typed = static_cast<char16_t>(command.token.front());
    calculator.EnterDigit(std::u16string_view(&typed, 1));
    return CommandOutcome::Calculated;
}

CommandOutcome LeftSoftKey(Calculator& calculator, const Command&)
{
    if (calculator.LeftSoftKeyOpensClearMenu())
        return CommandOutcome::ForWindow;
    calculator.OnLeftSoftKey();
    return CommandOutcome::Calculated;
}

}  // namespace commands

const Command* CommandOfMenuId(int id)
{
    for (const Command& command : kCommands)
        if (command.menuId != 0 && command.menuId == id)
            return &command;
    return nullptr;
}

const Command* CommandOfToken(std::u16string_view text)
{
    if (text.empty())
        return nullptr;
    for (const Command& command : kCommands)
        if (command.caption == text)
            return &command;
    if (text == kDigitDropCaption)
        return &CommandOfKey(KeyId::ClearEntry);
    // The minus sign as text writes it.
    if (text == u"−")
        return &CommandOfKey(KeyId::Subtract);
    return nullptr;
}

const Command* CommandOfToken(std::string_view utf8)
{
    if (utf8.empty())
        return nullptr;
    for (const Command& command : kCommands)
        if (command.token == utf8)
            return &command;
    return CommandOfToken(std::u16string_view(Utf16(utf8)));
}

KeyFaces KeyFacesFor(const CalculatorSettings& settings)
{
    KeyFaces faces;
    for (int i = 0; i < kKeyCount; ++i) {
        const KeyId key = static_cast<KeyId>(i);
        faces[static_cast<std::size_t>(i)] = {KeyCaption(key, settings), CommandOfKey(key).group};
    }
    return faces;
}

CommandOutcome RunCommand(Calculator& calculator, const Command& command)
{
    if (command.handler == nullptr)
        return CommandOutcome::ForWindow;
    calculator.StartKey();
    return command.handler(calculator, command);
}

}  // namespace abacor
