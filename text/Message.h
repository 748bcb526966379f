#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace abacor {

// A sentence for the user from the headless parts: its source text (the
// design's Japanese, with %1…%9 where its arguments go) in a translation
// context, and its arguments, each a message too. The front end translates
// every part; a program without translations composes the source text.
// Made with ABACOR_SAY, so that scripts/update-translations finds the text.
struct Message {
    const char* context = nullptr;  // null: shown as it is (a name, a number)
    std::u16string text;
    std::vector<Message> arguments;

    Message() = default;
    Message(const char* context, std::u16string_view text) : context(context), text(text) {}

    // Text that is not translated: a file's name, a number, a library's words.
    static Message Verbatim(std::u16string_view text) { return Message(nullptr, text); }
    static Message Number(long long value);

    Message With(Message argument) const&;
    Message With(Message argument) &&;
    Message With(std::u16string_view verbatim) const& { return With(Verbatim(verbatim)); }
    Message With(std::u16string_view verbatim) && { return std::move(*this).With(Verbatim(verbatim)); }
    Message With(long long number) const& { return With(Number(number)); }
    Message With(long long number) && { return std::move(*this).With(Number(number)); }

    bool empty() const { return text.empty(); }
    friend bool operator==(const Message&, const Message&) = default;
};

// pattern with %1…%9 replaced by the arguments, in one pass: an argument's
// own "%1" stays as it is. A number beyond the arguments stays too.
std::u16string Substituted(std::u16string_view pattern, const std::vector<std::u16string>& arguments);

// The message with every argument composed in, each text (the message's and
// its arguments') as translate gives it for its context; verbatim texts as they are.
using TranslateText = std::function<std::u16string(const char* context, std::u16string_view text)>;
std::u16string Composed(const Message& message, const TranslateText& translate);

// The message in the source language, every argument composed in.
std::u16string Composed(const Message& message);

}  // namespace abacor

// A message whose text a translator sees in context.
#define ABACOR_SAY(context, text) ::abacor::Message(context, text)
