#include "calculator/window/DesktopKeys.h"

#include "calculator/core/CommandTable.h"
#include "platform/input/VirtualKeys.h"

namespace abacor {

namespace {

struct DesktopBinding {
    std::uint32_t code;
    KeyId key;
};

constexpr DesktopBinding kDesktopBindings[] = {
    {VkAdd, KeyId::Add},       {VkSubtract, KeyId::Subtract}, {VkDivide, KeyId::Divide},
    {VkDecimal, KeyId::Point}, {VkDelete, KeyId::ClearEntry}, {VkEscape, KeyId::Clear},
};

// The symbols that choose a key by the text they type.
constexpr KeyId kSymbolKeys[] = {KeyId::Add,    KeyId::Subtract, KeyId::Multiply,
                                 KeyId::Divide, KeyId::Equals,   KeyId::Percent};

}  // namespace

std::optional<KeyId> DesktopKey(std::uint32_t code, QStringView text, std::uint32_t lastKeyDown)
{
    if (code == VkMultiply)
        return lastKeyDown == VkShift ? std::nullopt : std::optional(KeyId::Multiply);
    for (const DesktopBinding& binding : kDesktopBindings)
        if (binding.code == code)
            return binding.key;
    if (text.size() != 1)
        return std::nullopt;
    for (const KeyId key : kSymbolKeys)
        if (const std::string_view token = CommandOfKey(key).token;
            token.size() == 1 && text.front() == QChar::fromLatin1(token.front()))
            return key;
    return std::nullopt;
}

}  // namespace abacor
