#pragma once

#include <string>

#include "calculator/engine/ScaledArithmetic.h"

namespace abacor {

// What the next digit does.
enum class EntryState : int {
    None = 0,       // only until the first reset
    Typing = 100,   // digits are appended
    Result = 101,   // a result is shown; an operator key only replaces the pending one
    Operand = 102,  // a function result is shown; an operator key computes with it
};

// The desk calculator's state, as the window keeps it.
struct CalculatorState {
    std::u16string displayText;
    double entryValue = 0.0;
    double accumulator = 0.0;
    Operator pendingOperator = Operator::None;
    EntryState entryState = EntryState::None;
    // The error state: the display shows kErrorText and every key but the
    // clears is ignored.
    bool error = false;
    std::u16string operatorText;
    std::u16string resultText;
    double memoryValue = 0.0;
    std::u16string memoryText = u"0";
    double lastAnswer = 0.0;
    std::u16string lastAnswerText = u"0";
    // The desk functions: the grand total, the second tax rate chosen, the
    // tax amount of a second tax key shown ("税額", out at the next key).
    double grandTotal = 0.0;
    bool secondRate = false;
    bool taxAmountShown = false;
};

// What may be kept from one run to the next: memory, last answer, grand
// total and the rate chosen. Texts are plain (no grouping).
struct KeptState {
    double memory = 0.0;
    std::u16string memoryText = u"0";
    double lastAnswer = 0.0;
    std::u16string lastAnswerText = u"0";
    double grandTotal = 0.0;
    bool secondRate = false;

    friend bool operator==(const KeptState&, const KeptState&) = default;
};

// The display regions an operation asks to have repainted.
enum class DisplayRegion { DisplayBox, ResultBox, MemoryBox, OperatorRect };

// Receives repaint requests; the window maps them to rectangles.
class RepaintSink {
public:
    virtual ~RepaintSink() = default;
    virtual void Invalidate(DisplayRegion region) = 0;
};

}  // namespace abacor
