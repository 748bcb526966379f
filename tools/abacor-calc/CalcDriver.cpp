#include "tools/abacor-calc/CalcDriver.h"

#include <cctype>
#include <string_view>

#include "text/Utf.h"

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

}  // namespace

CalcDriver::CalcDriver(std::ostream& out, std::ostream& err) : out_(out), err_(err), session_(DefaultSettings()) {}

bool CalcDriver::Apply(const std::string& token)
{
    const TokenResult result = session_.Apply(token);
    if (result.outcome != TokenOutcome::Applied) {
        err_ << "abacor-calc: " << result.message << '\n';
        return false;
    }
    PrintLine(token);
    return true;
}

void CalcDriver::PrintLine(const std::string& token)
{
    const CalculatorState& state = session_.state();
    out_ << token << '\t' << Utf8(state.displayText) << '\t' << Utf8(state.resultText) << '\t' << Utf8(state.memoryText)
         << '\t' << Utf8(state.operatorText);
    if (annunciators_) {
        const std::vector<std::u16string> lit = session_.Annunciators(false);
        out_ << '\t';
        for (std::size_t i = 0; i < lit.size(); ++i)
            out_ << (i > 0 ? " " : "") << Utf8(lit[i]);
    }
    out_ << '\n';
}

void CalcDriver::PrintTape()
{
    for (const TapeLine& line : session_.tape().Lines()) {
        out_ << "TAPE\t";
        if (line.step > 0 && line.segment == session_.tape().Segment())
            out_ << line.step;
        out_ << '\t' << Utf8(line.number) << '\t' << Utf8(line.mark) << '\n';
    }
}

int CalcDriver::Run(std::istream& in)
{
    std::string token;
    for (;;) {
        const TokenRead read = NextToken(in, token);
        if (read == TokenRead::End)
            break;
        if (read == TokenRead::TooLong) {
            err_ << "abacor-calc: token longer than " << kMaxTokenLength << " bytes: " << QuotedToken(token) << '\n';
            return 2;
        }
        if (!Apply(token))
            return 2;
        if (!out_)
            break;
    }
    if (tape_)
        PrintTape();
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
