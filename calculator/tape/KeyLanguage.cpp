#include "calculator/tape/CalculatorSession.h"
#include "text/Utf.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "calculator/tape/TapeNotes.h"
#include "settings/SettingValueText.h"
#include "settings/SettingsStore.h"

// The key language every front end speaks: abacor-calc's tokens, abacor-render's
// --keys, the tests' key sequences.
namespace abacor {

namespace {

constexpr std::string_view kSetPrefix = "set:";
constexpr std::string_view kCorrectPrefix = "correct:";
constexpr std::string_view kPastePrefix = "paste:";
constexpr std::string_view kNotePrefix = "note:";

// Length of the valid UTF-8 sequence of a printable character at text[i], or 0.
std::size_t Utf8Length(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    const unsigned char lead = byte(i);
    if (lead >= 0x20 && lead < 0x7F)
        return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    char32_t code = lead & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < least[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || (code >= 0x80 && code < 0xA0))
        return 0;
    return length;
}

// A whole number that is all of text.
std::optional<int> WholeNumber(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return value;
}

// "STEP=VALUE": the step, empty when malformed, and the value.
std::pair<std::optional<int>, std::string_view> StepAssignment(std::string_view assignment)
{
    const std::size_t equals = assignment.find('=');
    if (equals == std::string_view::npos)
        return {std::nullopt, {}};
    return {WholeNumber(assignment.substr(0, equals)), assignment.substr(equals + 1)};
}

}  // namespace

// The first bytes of a token as text, control and invalid bytes escaped.
std::string QuotedToken(std::string_view token)
{
    static const char hex[] = "0123456789abcdef";
    constexpr std::size_t kShown = 32;
    std::string quoted;
    std::size_t i = 0;
    while (i < token.size() && i < kShown) {
        const std::size_t length = token[i] == '\\' ? 0 : Utf8Length(token, i);
        if (length > 0) {
            quoted.append(token.substr(i, length));
            i += length;
            continue;
        }
        const auto byte = static_cast<unsigned char>(token[i++]);
        quoted += "\\x";
        quoted += hex[byte >> 4];
        quoted += hex[byte & 15];
    }
    return i < token.size() ? quoted + "..." : quoted;
}

TokenResult CalculatorSession::Apply(std::string_view token)
{
    if (const Command* command = CommandOfToken(token)) {
        Run(*command);
        return {};
    }
    if (token.size() > 1 && token.front() == '#') {
        // A window-only or unknown command changes nothing headless.
        if (const std::optional<int> id = WholeNumber(token.substr(1))) {
            static_cast<void>(RunMenuCommand(*id));
            return {};
        }
    } else if (token == "newtape") {
        NewCalculation();
        return {};
    } else if (token == "load") {
        settings_ = LoadSettings();
        return {};
    } else if (token.starts_with(kSetPrefix)) {
        if (ApplySettingAssignment(settings_, token.substr(kSetPrefix.size())))
            return {};
    } else if (token.starts_with(kPastePrefix)) {
        if (Paste(Utf16(token.substr(kPastePrefix.size()))))
            return {};
        return {TokenOutcome::Refused, "paste: not a number: " + QuotedToken(token.substr(kPastePrefix.size()))};
    } else if (token.starts_with(kNotePrefix)) {
        const std::string_view assignment = token.substr(kNotePrefix.size());
        const auto [step, given] = StepAssignment(assignment);
        if (!step)
            return {TokenOutcome::Unknown, "note: wants STEP=TEXT: " + QuotedToken(assignment)};
        std::string text(given);
        std::replace(text.begin(), text.end(), '_', ' ');
        const std::optional<std::size_t> line = tape_.LineOfStep(*step);
        if (!line)
            return {TokenOutcome::Refused, "note: no step " + std::to_string(*step) + " in the current segment"};
        Message why = NoteRefusal(std::string_view(text));
        if (why.empty())
            why = SetNote(*line, Utf16(text));
        if (!why.empty())
            return {TokenOutcome::Refused, "note: ", std::move(why)};
        return {};
    } else if (token.starts_with(kCorrectPrefix)) {
        const std::string_view assignment = token.substr(kCorrectPrefix.size());
        const auto [step, number] = StepAssignment(assignment);
        if (!step)
            return {TokenOutcome::Unknown, "correct: wants STEP=NUMBER: " + QuotedToken(assignment)};
        switch (Correct(*step, number)) {
        case CorrectionOutcome::Corrected: return {};
        case CorrectionOutcome::NoSuchStep:
            return {TokenOutcome::Refused, "correct: no step " + std::to_string(*step) + " in the current segment"};
        case CorrectionOutcome::NotANumber:
            return {TokenOutcome::Refused, "correct: not a number of at most 12 digits: " + QuotedToken(number)};
        }
    }
    return {TokenOutcome::Unknown, "unknown or malformed token: " + QuotedToken(token)};
}

}  // namespace abacor
