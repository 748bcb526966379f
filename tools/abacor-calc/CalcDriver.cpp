#include "tools/abacor-calc/CalcDriver.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <string_view>

#include "calculator/core/CommandTable.h"
#include "calculator/core/KeyTokens.h"
#include "settings/SettingsStore.h"
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

// The first bytes of a token as text, control and invalid bytes escaped.
std::string Quoted(std::string_view token)
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

}  // namespace

CalcDriver::CalcDriver(std::ostream& out, std::ostream& err)
    : out_(out), err_(err), settings_(DefaultSettings()), calculator_(settings_),
      // As the window's initialisation does, before the tape's segment begins.
      session_((calculator_.ResetCalculator(false), calculator_))
{
}

namespace {
constexpr std::string_view kCorrectPrefix = "correct:";
}  // namespace

bool CalcDriver::Apply(const std::string& token)
{
    // The commands go through the tape, which keeps the steps they make.
    const Command* command = CommandOfToken(std::string_view(token));
    if (command == nullptr && token.size() > 1 && token.front() == '#') {
        int id = 0;
        const auto [end, error] = std::from_chars(token.data() + 1, token.data() + token.size(), id);
        if (error == std::errc{} && end == token.data() + token.size())
            command = CommandOfMenuId(id);
    }
    if (token == "load") {
        settings_ = LoadSettings();
    } else if (token == "check") {
        static_cast<void>(session_.Check());
    } else if (token.starts_with(kCorrectPrefix)) {
        if (!ApplyCorrection(std::string_view(token).substr(kCorrectPrefix.size())))
            return false;
    } else if (command != nullptr) {
        session_.Run(*command);
    } else if (ApplyKeyToken(calculator_, settings_, token) != TokenOutcome::Applied) {
        err_ << "abacor-calc: unknown or malformed token: " << Quoted(token) << '\n';
        return false;
    }
    PrintLine(token);
    return true;
}

bool CalcDriver::ApplyCorrection(std::string_view assignment)
{
    const std::size_t equals = assignment.find('=');
    int step = 0;
    const auto [end, error] =
        std::from_chars(assignment.data(), assignment.data() + std::min(equals, assignment.size()), step);
    if (equals == std::string_view::npos || error != std::errc{} || end != assignment.data() + equals) {
        err_ << "abacor-calc: correct: wants STEP=NUMBER: " << Quoted(assignment) << '\n';
        return false;
    }
    switch (session_.Correct(step, assignment.substr(equals + 1))) {
    case CorrectionOutcome::Corrected: return true;
    case CorrectionOutcome::NoSuchStep:
        err_ << "abacor-calc: correct: no step " << step << " in the current segment\n";
        return false;
    case CorrectionOutcome::NotANumber:
        err_ << "abacor-calc: correct: not a number of at most 12 digits: " << Quoted(assignment.substr(equals + 1))
             << '\n';
        return false;
    }
    return false;
}

void CalcDriver::PrintLine(const std::string& token)
{
    const CalculatorState& state = calculator_.state();
    out_ << token << '\t' << Utf8(state.displayText) << '\t' << Utf8(state.resultText) << '\t' << Utf8(state.memoryText)
         << '\t' << Utf8(state.operatorText);
    if (annunciators_) {
        std::vector<std::u16string> lit = calculator_.Annunciators(false);
        if (!session_.CheckAnnunciator().empty())
            lit.push_back(session_.CheckAnnunciator());
        out_ << '\t';
        for (std::size_t i = 0; i < lit.size(); ++i)
            out_ << (i > 0 ? " " : "") << Utf8(lit[i]);
    }
    out_ << '\n';
}

void CalcDriver::PrintTape()
{
    for (const TapeLine& line : session_.Lines()) {
        out_ << "TAPE\t";
        if (line.step > 0 && line.segment == session_.Segment())
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
            err_ << "abacor-calc: token longer than " << kMaxTokenLength << " bytes: " << Quoted(token) << '\n';
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
