#include "text/Message.h"

#include <utility>

namespace abacor {

Message Message::Number(long long value)
{
    const std::string digits = std::to_string(value);
    return Verbatim(std::u16string(digits.begin(), digits.end()));
}

Message Message::With(Message argument) const&
{
    Message copy = *this;
    copy.arguments.push_back(std::move(argument));
    return copy;
}

Message Message::With(Message argument) &&
{
    arguments.push_back(std::move(argument));
    return std::move(*this);
}

std::u16string Substituted(std::u16string_view pattern, const std::vector<std::u16string>& arguments)
{
    std::u16string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char16_t next = i + 1 < pattern.size() ? pattern[i + 1] : u'\0';
        if (pattern[i] == u'%' && next >= u'1' && next <= u'9' &&
            static_cast<std::size_t>(next - u'1') < arguments.size()) {
            out += arguments[next - u'1'];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::u16string Composed(const Message& message, const TranslateText& translate)
{
    std::vector<std::u16string> arguments;
    arguments.reserve(message.arguments.size());
    for (const Message& argument : message.arguments)
        arguments.push_back(Composed(argument, translate));
    if (message.context == nullptr)
        return Substituted(message.text, arguments);
    return Substituted(translate(message.context, message.text), arguments);
}

std::u16string Composed(const Message& message)
{
    return Composed(message, [](const char*, std::u16string_view text) { return std::u16string(text); });
}

}  // namespace abacor
