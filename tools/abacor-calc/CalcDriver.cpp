#include "tools/abacor-calc/CalcDriver.h"

#include <cctype>

#include "calculator/logic/KeyTokens.h"
#include "settings/SettingsStore.h"

namespace abacor {

namespace {

// Longer than any token of the language, set: assignments included.
constexpr std::size_t kMaxTokenLength = 256;

enum class TokenRead { Token, End, TooLong };

// The next whitespace-separated token, never longer than the limit.
TokenRead NextToken(std::istream& in, std::string& token)
{
    token.clear();
    int ch = in.peek();
    while (ch != std::char_traits<char>::eof() && std::isspace(ch)) {
        in.get();
        ch = in.peek();
    }
    if (ch == std::char_traits<char>::eof())
        return TokenRead::End;
    while (ch != std::char_traits<char>::eof() && !std::isspace(ch)) {
        if (token.size() == kMaxTokenLength)
            return TokenRead::TooLong;
        token.push_back(static_cast<char>(in.get()));
        ch = in.peek();
    }
    return TokenRead::Token;
}

// The first bytes of a token, with control and non-ASCII bytes escaped.
std::string Quoted(const std::string& token)
{
    static const char hex[] = "0123456789abcdef";
    std::string quoted;
    for (const char ch : token.substr(0, 32)) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            quoted += ch;
        } else {
            quoted += "\\x";
            quoted += hex[byte >> 4];
            quoted += hex[byte & 15];
        }
    }
    return token.size() > 32 ? quoted + "..." : quoted;
}

}  // namespace

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
        err_ << "abacor-calc: unknown or malformed token: " << Quoted(token) << '\n';
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
    for (;;) {
        const TokenRead read = NextToken(in, token);
        if (read == TokenRead::End)
            break;
        if (read == TokenRead::TooLong) {
            err_ << "abacor-calc: token longer than " << kMaxTokenLength << " bytes: " << Quoted(token) << '\n';
            return 2;
        }
        if (!Apply(token))
            return 2;
        if (!out_)
            break;
    }
    out_.flush();
    if (!out_) {
        err_ << "abacor-calc: cannot write the output\n";
        return 1;
    }
    if (in.bad()) {
        err_ << "abacor-calc: cannot read the input\n";
        return 1;
    }
    return 0;
}

}  // namespace abacor
