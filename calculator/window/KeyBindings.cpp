#include "calculator/window/KeyBindings.h"

namespace abacor {

namespace {
const PlaceBinding* PlaceOf(const Command& command)
{
    if (command.token.empty())
        return nullptr;
    for (const PlaceBinding& binding : kPlaceBindings)
        if (binding.token == command.token)
            return &binding;
    return nullptr;
}
}  // namespace

const Command* CommandOfKeyCode(std::uint32_t code)
{
    if (code == 0)
        return nullptr;
    for (const PlaceBinding& binding : kPlaceBindings)
        for (const std::uint32_t bound : binding.codes)
            if (bound == code)
                return CommandOfToken(binding.token);
    return nullptr;
}

KeyCodes KeyCodesOf(const Command& command)
{
    const PlaceBinding* binding = PlaceOf(command);
    return binding != nullptr ? binding->codes : KeyCodes{};
}

std::u16string_view KeyNameOf(const Command& command)
{
    const PlaceBinding* binding = PlaceOf(command);
    return binding != nullptr ? binding->keyName : std::u16string_view();
}

const Command* CommandOfTypedSymbol(char16_t symbol)
{
    for (const TypedSymbol& typed : kTypedSymbols)
        if (typed.symbol == symbol)
            return CommandOfToken(typed.token);
    return nullptr;
}

const Command* CommandOfChords(const ChordBinding& binding)
{
    return binding.token.empty() ? CommandOfMenuId(binding.menuId) : CommandOfToken(binding.token);
}

Chords ChordsOf(const Command& command)
{
    for (const ChordBinding& binding : kChordBindings)
        if (CommandOfChords(binding) == &command)
            return binding.chords;
    return {};
}

}  // namespace abacor
