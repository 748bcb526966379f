#include "calculator/window/DesktopKeys.h"

#include "platform/input/VirtualKeys.h"

namespace abacor {

namespace {

struct DesktopBinding {
    std::uint32_t code;
    KeyId key;
};

constexpr DesktopBinding kDesktopBindings[] = {
    {VkAdd, KeyId::Add},           {VkSubtract, KeyId::Subtract}, {VkDivide, KeyId::Divide},
    {VkMultiply, KeyId::Multiply}, {VkDelete, KeyId::ClearEntry}, {VkEscape, KeyId::Clear},
};

}  // namespace

std::optional<KeyId> DesktopKey(std::uint32_t code)
{
    for (const DesktopBinding& binding : kDesktopBindings)
        if (binding.code == code)
            return binding.key;
    return std::nullopt;
}

}  // namespace abacor
