#include "tools/abacor-calc/CalcDriver.h"

#include "calculator/logic/KeyTokens.h"
#include "settings/SettingsStore.h"

namespace abacor {

CalcDriver::CalcDriver(std::ostream& out, std::ostream& err)
    : out_(out), err_(err), settings_(DefaultSettings()), calculator_(settings_)
{
    // As the window's initialisation does.
    calculator_.ResetCalculator(false);
}

bool CalcDriver::Apply(const std::string& token)
{
    if (token == "load") {
        settings_ = LoadSettings();
    } else if (ApplyKeyToken(calculator_, settings_, token) != TokenOutcome::Applied) {
        err_ << "abacor-calc: unknown or malformed token: " << token << '\n';
        return false;
    }
    PrintLine(token);
    return true;
}

void CalcDriver::PrintLine(const std::string& token)
{
    const CalculatorState& state = calculator_.state();
    out_ << token << '\t' << state.displayText.toStdString() << '\t' << state.resultText.toStdString()
         << '\t' << state.memoryText.toStdString() << '\t' << state.operatorText.toStdString() << '\n';
}

int CalcDriver::Run(std::istream& in)
{
    std::string token;
    while (in >> token) {
        if (!Apply(token))
            return 2;
    }
    return 0;
}

}  // namespace abacor
