#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "calculator/tape/CalculatorSession.h"
#include "tests/PhoneSettings.h"
#include "text/Utf.h"

namespace abacor::test {

// A calculator with the phone's record, driven by the key language; a row
// sets the desk switches it is about.
struct KeyRun {
    explicit KeyRun(RepaintSink* sink = nullptr) : session(PhoneSettings(), sink) {}

    void Keys(const std::string& tokens)
    {
        std::istringstream in(tokens);
        std::string token;
        while (in >> token)
            ASSERT_EQ(session.Apply(token).outcome, TokenOutcome::Applied) << token;
    }

    const CalculatorState& state() const { return session.state(); }

    CalculatorSession session;
    CalculatorSettings& settings = session.settings();
    const Calculator& calculator = session.calculator();
};

// The four shown texts after a token sequence.
struct Shown {
    const char* keys;
    const char* display;
    const char* result;
    const char* memory;
    const char* op;
};

// Words as one line, a space between them.
inline std::string Joined(const std::vector<std::u16string>& words)
{
    std::string line;
    for (const std::u16string& word : words)
        line += (line.empty() ? "" : " ") + Utf8(word);
    return line;
}

inline void PrintTo(const Shown& s, std::ostream* os) { *os << '"' << s.keys << '"'; }

inline void ExpectShown(const Shown& c)
{
    KeyRun run;
    run.Keys(c.keys);
    const CalculatorState& s = run.state();
    EXPECT_EQ(Utf8(s.displayText), c.display) << "display after " << c.keys;
    EXPECT_EQ(Utf8(s.resultText), c.result) << "result after " << c.keys;
    EXPECT_EQ(Utf8(s.memoryText), c.memory) << "memory after " << c.keys;
    EXPECT_EQ(Utf8(s.operatorText), c.op) << "operator after " << c.keys;
}

}  // namespace abacor::test
