#pragma once

#include <optional>

#include <QString>
#include <QStringView>

#include "calculator/core/CalculatorState.h"
#include "calculator/engine/Grouping.h"
#include "calculator/engine/NumberText.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

// The calculator proper: the state machine of the keys and the function
// commands, computing left to right. It never paints; it reports the regions
// to repaint to its sink. It reads the settings record it is given at each use.
class Calculator {
public:
    explicit Calculator(const CalculatorSettings& settings, RepaintSink* sink = nullptr);

    const CalculatorState& state() const { return state_; }
    bool InErrorState() const { return state_.error; }

    void ResetCalculator(bool showError);
    void EnterDigit(QStringView key);
    // A pasted number, entered as if typed after a fresh entry; the pending
    // operator stays. False, with nothing changed, for a text that is no
    // number (PastedNumber) and in the error state.
    bool PasteNumber(QStringView text);
    void ApplyOperatorKey(Operator op, QStringView symbol);
    void ChangeSign();
    void ClearEntry();

    // The left soft key; with ClearMenuFlg on the window shows the clear menu
    // instead and this does nothing.
    void OnLeftSoftKey();
    bool LeftSoftKeyOpensClearMenu() const;
    void OnClear();
    void OnAllClear();
    // The OK command's calculation; the window adds the flash of "＝".
    void OnOK();

    void OnPercent();
    void OnSquare();
    void OnCube();
    void RaisePower(int n);
    void OnSquareRoot();
    void OnTaxIncluded();
    void OnTaxExcluded();
    void OnMemoryPlus();
    void OnMemoryMinus();
    void OnMemoryRecall();
    void OnMemoryClear();
    void OnLastAnswer();

private:
    QString Grouped(const QString& plain, GroupingMode mode) const;
    void Repaint(DisplayRegion region);
    // Makes a computed value the accumulator, the entry and both lines;
    // false after an overflow.
    bool ShowResult(double accumulator);
    // Makes a value the entry and shows it; its plain text, or empty after
    // an overflow (the calculator is then in its error state).
    std::optional<QString> ShowEntry(double value);
    void AddToMemory(bool subtract);
    // A calculation completed with accumulator (empty: a division by zero,
    // which is the error state): shown, then next waits; "=" and percent
    // (next none) also keep the answer.
    void Complete(std::optional<double> accumulator, Operator next);

    CalculatorState state_;
    const CalculatorSettings* settings_;
    RepaintSink* sink_;
};

}  // namespace abacor
