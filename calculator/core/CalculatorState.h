#pragma once

#include <QString>

namespace abacor {

// What the next digit does.
enum EntryState : int {
    StateNone = 0,       // only until the first reset
    StateTyping = 100,   // digits are appended
    StateResult = 101,   // a result is shown; an operator key only replaces the pending one
    StateOperand = 102,  // a function result is shown; an operator key computes with it
};

// The desk calculator's state, as the window keeps it.
struct CalculatorState {
    QString displayText;
    double entryValue = 0.0;
    double accumulator = 0.0;
    int pendingOperator = 0;
    int entryState = StateNone;
    QString operatorText;
    QString resultText;
    double memoryValue = 0.0;
    QString memoryText = QStringLiteral("0");
    double lastAnswer = 0.0;
    QString lastAnswerText = QStringLiteral("0");
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
