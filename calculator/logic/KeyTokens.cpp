#include "calculator/logic/KeyTokens.h"

#include <array>
#include <charconv>

#include "calculator/engine/ScaledArithmetic.h"
#include "calculator/logic/CommandTable.h"
#include "settings/SettingValueText.h"

namespace abacor {

namespace {

struct KeyToken {
    std::string_view text;
    void (*apply)(Calculator&);
};

constexpr std::array kKeyTokens{
    KeyToken{"0", [](Calculator& c) { c.EnterDigit(u"0"); }},
    KeyToken{"1", [](Calculator& c) { c.EnterDigit(u"1"); }},
    KeyToken{"2", [](Calculator& c) { c.EnterDigit(u"2"); }},
    KeyToken{"3", [](Calculator& c) { c.EnterDigit(u"3"); }},
    KeyToken{"4", [](Calculator& c) { c.EnterDigit(u"4"); }},
    KeyToken{"5", [](Calculator& c) { c.EnterDigit(u"5"); }},
    KeyToken{"6", [](Calculator& c) { c.EnterDigit(u"6"); }},
    KeyToken{"7", [](Calculator& c) { c.EnterDigit(u"7"); }},
    KeyToken{"8", [](Calculator& c) { c.EnterDigit(u"8"); }},
    KeyToken{"9", [](Calculator& c) { c.EnterDigit(u"9"); }},
    KeyToken{".", [](Calculator& c) { c.EnterDigit(u"."); }},
    KeyToken{"+", [](Calculator& c) { c.ApplyOperatorKey(OperatorAdd, u"＋"); }},
    KeyToken{"＋", [](Calculator& c) { c.ApplyOperatorKey(OperatorAdd, u"＋"); }},
    KeyToken{"-", [](Calculator& c) { c.ApplyOperatorKey(OperatorSubtract, u"－"); }},
    KeyToken{"－", [](Calculator& c) { c.ApplyOperatorKey(OperatorSubtract, u"－"); }},
    KeyToken{"*", [](Calculator& c) { c.ApplyOperatorKey(OperatorMultiply, u"×"); }},
    KeyToken{"×", [](Calculator& c) { c.ApplyOperatorKey(OperatorMultiply, u"×"); }},
    KeyToken{"/", [](Calculator& c) { c.ApplyOperatorKey(OperatorDivide, u"÷"); }},
    KeyToken{"÷", [](Calculator& c) { c.ApplyOperatorKey(OperatorDivide, u"÷"); }},
    KeyToken{"=", [](Calculator& c) { c.ApplyOperatorKey(OperatorNone, {}); }},
    KeyToken{"+/-", [](Calculator& c) { c.ChangeSign(); }},
    KeyToken{"CE", [](Calculator& c) { c.ClearEntry(); }},
    KeyToken{"⇒", [](Calculator& c) { c.ClearEntry(); }},
    KeyToken{"C", [](Calculator& c) { c.OnClear(); }},
    KeyToken{"CA", [](Calculator& c) { c.OnAllClear(); }},
    KeyToken{"%", [](Calculator& c) { c.OnPercent(); }},
    KeyToken{"％", [](Calculator& c) { c.OnPercent(); }},
    KeyToken{"sq", [](Calculator& c) { c.OnSquare(); }},
    KeyToken{"cube", [](Calculator& c) { c.OnCube(); }},
    KeyToken{"sqrt", [](Calculator& c) { c.OnSquareRoot(); }},
    KeyToken{"√", [](Calculator& c) { c.OnSquareRoot(); }},
    KeyToken{"tax+", [](Calculator& c) { c.OnTaxIncluded(); }},
    KeyToken{"税込", [](Calculator& c) { c.OnTaxIncluded(); }},
    KeyToken{"tax-", [](Calculator& c) { c.OnTaxExcluded(); }},
    KeyToken{"税抜", [](Calculator& c) { c.OnTaxExcluded(); }},
    KeyToken{"M+", [](Calculator& c) { c.OnMemoryPlus(); }},
    KeyToken{"M-", [](Calculator& c) { c.OnMemoryMinus(); }},
    KeyToken{"MR", [](Calculator& c) { c.OnMemoryRecall(); }},
    KeyToken{"MC", [](Calculator& c) { c.OnMemoryClear(); }},
    KeyToken{"ANS", [](Calculator& c) { c.OnLastAnswer(); }},
};

constexpr std::string_view kSetPrefix = "set:";

}  // namespace

TokenOutcome ApplyKeyToken(Calculator& calculator, CalculatorSettings& settings, std::string_view token)
{
    for (const KeyToken& key : kKeyTokens) {
        if (key.text == token) {
            key.apply(calculator);
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

    if (token.starts_with(kSetPrefix)) {
        return ApplySettingAssignment(settings, token.substr(kSetPrefix.size())) ? TokenOutcome::Applied
                                                                                : TokenOutcome::Unknown;
    }
    return TokenOutcome::Unknown;
}

}  // namespace abacor
