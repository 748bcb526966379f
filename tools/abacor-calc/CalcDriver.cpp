#include "tools/abacor-calc/CalcDriver.h"

#include <cctype>
#include <filesystem>
#include <string_view>

#include "calculator/core/CommandTable.h"
#include "calculator/tape/TapeFile.h"
#include "platform/store/StateFile.h"
#include "text/MessageWords.h"
#include "text/Utf.h"

namespace abacor {

namespace {

// Longer than any token of the language, set: assignments included.
constexpr std::size_t kMaxTokenLength = 1024;

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

// A tape file as the platform reads it: never blocking, never beyond the limit.
TapeFile ReadTapeFile(const std::filesystem::path& path, const CalculatorSettings& base)
{
    const FileBytes read = ReadUserFile(path, kMaxTapeFileBytes);
    switch (read.status) {
    case FileRead::Read: return ParseTapeFile(read.bytes, base);
    case FileRead::Missing: return UnreadTapeFileOf(UnreadTapeFile::Missing, base);
    case FileRead::NotRegular: return UnreadTapeFileOf(UnreadTapeFile::NotRegular, base);
    case FileRead::TooBig: return UnreadTapeFileOf(UnreadTapeFile::TooBig, base);
    case FileRead::Unreadable: break;
    }
    return UnreadTapeFileOf(UnreadTapeFile::Unreadable, base);
}

// A path given in UTF-8, whatever the system's code page.
std::filesystem::path PathOf(const std::string& utf8) { return std::u8string(utf8.begin(), utf8.end()); }

}  // namespace

CalcDriver::CalcDriver(std::ostream& out, std::ostream& err) : out_(out), err_(err), session_(DefaultSettings()) {}

bool CalcDriver::Apply(const std::string& token)
{
    const TokenResult result = session_.Apply(token);
    if (result.outcome != TokenOutcome::Applied) {
        err_ << "abacor-calc: " << result.message << Utf8(ComposedIn(result.reason, language_)) << '\n';
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
        // A key that changed nothing it was asked to: why, as a seventh field
        // (a setting or a note keeps the last key's reason; it is not theirs).
        const bool key = CommandOfToken(token) != nullptr || token.starts_with('#');
        if (key && state.refused != Refusal::None)
            out_ << '\t' << RefusalId(state.refused);
    }
    out_ << '\n';
}

void CalcDriver::PrintTape()
{
    for (const TapeLine& line : session_.tape().Lines()) {
        out_ << "TAPE\t";
        if (line.step > 0 && line.segment == session_.tape().Segment())
            out_ << line.step;
        out_ << '\t' << Utf8(line.number) << '\t' << Utf8(line.mark) << '\t' << Utf8(line.note) << '\n';
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
    if (in.bad()) {
        err_ << "abacor-calc: cannot read the input\n";
        return 1;
    }
    return Finish();
}

int CalcDriver::Open(const std::string& path)
{
    const TapeFile file = ReadTapeFile(PathOf(path), session_.settings());
    if (!file.Read()) {
        err_ << "abacor-calc: " << path << ": " << Utf8(ComposedIn(file.Refusal(), language_)) << '\n';
        return 2;
    }
    const std::vector<int> differing = session_.Open(file);
    if (differing.empty())
        return 0;
    err_ << "abacor-calc: " << path << ": the results differ at line";
    for (const int line : differing)
        err_ << ' ' << line;
    err_ << '\n';
    return 1;
}

int CalcDriver::Finish()
{
    if (tape_)
        PrintTape();
    if (!savePath_.empty() && !WriteUserFile(PathOf(savePath_), session_.SaveText(session_.CalculationLines()))) {
        err_ << "abacor-calc: cannot write " << savePath_ << '\n';
        return 1;
    }
    out_.flush();
    if (!out_) {
        err_ << "abacor-calc: cannot write the output\n";
        return 1;
    }
    return 0;
}

}  // namespace abacor
