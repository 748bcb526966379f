#include "calculator/core/KeyPress.h"

#include "calculator/core/Calculator.h"

namespace abacor {

void PressKey(KeyId key, Calculator& calculator)
{
    const KeyDefinition& definition = Key(key);
    switch (definition.action) {
    case KeyAction::EnterDigit: {
        const char16_t typed = static_cast<char16_t>(definition.argument);
        calculator.EnterDigit(std::u16string_view(&typed, 1));
        break;
    }
    case KeyAction::ChangeSign: calculator.ChangeSign(); break;
    case KeyAction::Operator:
        // "＝" completes the calculation and shows no operator.
        calculator.ApplyOperatorKey(static_cast<Operator>(definition.argument),
                                    definition.argument == 0 ? QStringView() : QStringView(definition.caption));
        break;
    case KeyAction::ClearEntry: calculator.ClearEntry(); break;
    case KeyAction::Percent: calculator.OnPercent(); break;
    case KeyAction::AllClear: calculator.OnAllClear(); break;
    case KeyAction::Clear: calculator.OnClear(); break;
    case KeyAction::SquareRoot: calculator.OnSquareRoot(); break;
    case KeyAction::TaxIncluded: calculator.OnTaxIncluded(); break;
    case KeyAction::TaxExcluded: calculator.OnTaxExcluded(); break;
    }
}

}  // namespace abacor
