#pragma once

#include <array>

#include "calculator/core/Calculator.h"

namespace abacor {

// Command ids of the calculator window's menus, soft keys and the OK command.
enum CommandId : int {
    IdOK = 1,
    IdExit = 32772,
    IdLeftSoftKey = 32774,
    IdVersion = 32776,
    IdCopyToClipboard = 32778,
    IdLastAnswer = 32781,
    IdMemoryPlus = 32787,
    IdMemoryMinus = 32788,
    IdMemoryRecall = 32790,
    IdMemoryClear = 32792,
    IdSquare = 32795,
    IdCube = 32796,
    IdClear = 32799,
    IdAllClear = 32800,
    IdPercent = 32801,
    IdSquareRoot = 32802,
    IdTaxIncluded = 32806,
    IdTaxExcluded = 32807,
};

struct CommandBinding {
    int id;
    // Null for the commands only the window can carry out.
    void (Calculator::*handler)();
};

inline constexpr std::array<CommandBinding, 18> kCommandTable{{
    {IdLeftSoftKey, &Calculator::OnLeftSoftKey},
    {IdClear, &Calculator::OnClear},
    {IdAllClear, &Calculator::OnAllClear},
    {IdMemoryPlus, &Calculator::OnMemoryPlus},
    {IdMemoryMinus, &Calculator::OnMemoryMinus},
    {IdMemoryRecall, &Calculator::OnMemoryRecall},
    {IdMemoryClear, &Calculator::OnMemoryClear},
    {IdLastAnswer, &Calculator::OnLastAnswer},
    {IdPercent, &Calculator::OnPercent},
    {IdSquare, &Calculator::OnSquare},
    {IdCube, &Calculator::OnCube},
    {IdSquareRoot, &Calculator::OnSquareRoot},
    {IdTaxIncluded, &Calculator::OnTaxIncluded},
    {IdTaxExcluded, &Calculator::OnTaxExcluded},
    {IdCopyToClipboard, nullptr},
    {IdVersion, nullptr},
    {IdExit, nullptr},
    {IdOK, &Calculator::OnOK},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < kCommandTable.size(); ++i)
            for (std::size_t j = i + 1; j < kCommandTable.size(); ++j)
                if (kCommandTable[i].id == kCommandTable[j].id)
                    return false;
        return true;
    }(),
    "every command id once");

enum class CommandOutcome {
    Calculated,  // the calculator carried it out
    ForWindow,   // not a calculation: copy, version, exit, or the clear menu to show
    Unknown,     // no such command
};

CommandOutcome DispatchCommand(Calculator& calculator, int id);

}  // namespace abacor
