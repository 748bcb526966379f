#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "calculator/core/Calculator.h"
#include "calculator/core/KeyTokens.h"

namespace abacor::test {

// A calculator as the window starts it, driven by the tools' token language.
struct KeyRun {
    explicit KeyRun(RepaintSink* sink = nullptr) : settings(DefaultSettings()), calculator(settings, sink)
    {
        calculator.ResetCalculator(false);
    }

    void Keys(const std::string& tokens)
    {
        std::istringstream in(tokens);
        std::string token;
        while (in >> token)
            ASSERT_EQ(ApplyKeyToken(calculator, settings, token), TokenOutcome::Applied) << token;
    }

    const CalculatorState& state() const { return calculator.state(); }

    CalculatorSettings settings;
    Calculator calculator;
};

// The four shown texts after a token sequence.
struct Shown {
    const char* keys;
    const char* display;
    const char* result;
    const char* memory;
    const char* op;
};

inline void PrintTo(const Shown& s, std::ostream* os) { *os << '"' << s.keys << '"'; }

inline void ExpectShown(const Shown& c)
{
    KeyRun run;
    run.Keys(c.keys);
    const CalculatorState& s = run.state();
    EXPECT_EQ(s.displayText.toStdString(), c.display) << "display after " << c.keys;
    EXPECT_EQ(s.resultText.toStdString(), c.result) << "result after " << c.keys;
    EXPECT_EQ(s.memoryText.toStdString(), c.memory) << "memory after " << c.keys;
    EXPECT_EQ(s.operatorText.toStdString(), c.op) << "operator after " << c.keys;
}

}  // namespace abacor::test
