#include "calculator/core/KeyTokens.h"

#include <array>
#include <charconv>
#include <optional>

#include <QString>

#include "calculator/core/CommandTable.h"
#include "calculator/core/KeyPress.h"
#include "settings/SettingValueText.h"

namespace abacor {

namespace {

struct KeyToken {
    std::string_view text;
    void (*apply)(Calculator&);
};

// Tokens of the commands that have no key of their own.
constexpr std::array kCommandTokens{
    KeyToken{"sq", [](Calculator& c) { c.OnSquare(); }},       KeyToken{"cube", [](Calculator& c) { c.OnCube(); }},
    KeyToken{"M+", [](Calculator& c) { c.OnMemoryPlus(); }},   KeyToken{"M-", [](Calculator& c) { c.OnMemoryMinus(); }},
    KeyToken{"MR", [](Calculator& c) { c.OnMemoryRecall(); }}, KeyToken{"MC", [](Calculator& c) { c.OnMemoryClear(); }},
    KeyToken{"ANS", [](Calculator& c) { c.OnLastAnswer(); }},
};

// A key by its ASCII name or by a caption it shows.
std::optional<KeyId> KeyOfToken(std::string_view token)
{
    for (const KeyDefinition& key : kKeys)
        if (key.token == token)
            return key.key;
    const QString text = QString::fromUtf8(token.data(), static_cast<qsizetype>(token.size()));
    if (text == QStringView(kDigitDropCaption))
        return KeyId::ClearEntry;
    for (const KeyDefinition& key : kKeys)
        if (text == QStringView(key.caption))
            return key.key;
    return std::nullopt;
}

constexpr std::string_view kSetPrefix = "set:";

}  // namespace

TokenOutcome ApplyKeyToken(Calculator& calculator, CalculatorSettings& settings, std::string_view token)
{
    for (const KeyToken& command : kCommandTokens) {
        if (command.text == token) {
            command.apply(calculator);
            return TokenOutcome::Applied;
        }
    }

    if (token.size() > 1 && token.front() == '#') {
        int id = 0;
        const auto [end, error] = std::from_chars(token.data() + 1, token.data() + token.size(), id);
        if (error != std::errc{} || end != token.data() + token.size())
            return TokenOutcome::Unknown;
        // A window-only or unknown command changes nothing headless.
        DispatchCommand(calculator, id);
        return TokenOutcome::Applied;
    }

    if (const auto key = KeyOfToken(token)) {
        PressKey(*key, calculator);
        return TokenOutcome::Applied;
    }

    if (token.starts_with(kSetPrefix)) {
        return ApplySettingAssignment(settings, token.substr(kSetPrefix.size())) ? TokenOutcome::Applied
                                                                                 : TokenOutcome::Unknown;
    }
    return TokenOutcome::Unknown;
}

}  // namespace abacor
