#pragma once

#include <array>
#include <string_view>

#include "calculator/core/CommandTable.h"
#include "text/Translatable.h"

namespace abacor {

// What a line of the tape that is no step records. A step's mark is its
// key's (the command table's tape mark: "＋", "÷", "税込", "M+"…).
enum class LineKind {
    Total,            // a result: "＝", "％" and the functions
    PriceWithTax,     // a 税込 result
    PriceWithoutTax,  // a 税抜 result
    Average,          // 平均's result, with the count
    GrandTotal,       // GT recalled
    GrandTotalClear,  // GT pressed again: cleared
    MemoryTotal,      // the memory after M+ / M−
    MemoryRecall,
    MemoryClear,
    Clear,
    AllClear,
    Error,
    RateSwitch,  // the rate now in force follows the mark
    Constant,    // a constant set (the operator pressed twice)
    NonAdd,      // a number on the tape alone (a date, an invoice number)
    RunBegins,   // the program was started again: earlier runs above
    CheckBegins,
    CheckOk,
    CheckDiffers,  // the place of the first difference follows the mark
    Recomputed,    // an earlier run's calculation, corrected: written again below
    Differs,       // an opened tape's results differ: the file's lines follow
    Converted,     // 時分秒 on a value shown: a time to its hours or hours to a time
    Stopped,       // an opened tape stopped by the user: the file's line follows
};

struct LineMark {
    LineKind kind;
    std::u16string_view mark;
};

// The marks of a printing desk calculator, one for each kind of line; the
// window, the print and the CSV show them alike.
inline constexpr std::array kLineMarks{
    LineMark{LineKind::Total, u"*"},
    LineMark{LineKind::PriceWithTax, ABACOR_TRANSLATABLE("Tape", u"税込")},
    LineMark{LineKind::PriceWithoutTax, ABACOR_TRANSLATABLE("Tape", u"税抜")},
    LineMark{LineKind::Average, ABACOR_TRANSLATABLE("Tape", u"平均")},
    LineMark{LineKind::GrandTotal, u"GT"},
    LineMark{LineKind::GrandTotalClear, u"GT C"},
    LineMark{LineKind::MemoryTotal, u"M"},
    LineMark{LineKind::MemoryRecall, u"MR"},
    LineMark{LineKind::MemoryClear, u"MC"},
    LineMark{LineKind::Clear, u"C"},
    LineMark{LineKind::AllClear, u"CA"},
    LineMark{LineKind::Error, ABACOR_TRANSLATABLE("Tape", u"ERROR")},
    LineMark{LineKind::RateSwitch, ABACOR_TRANSLATABLE("Tape", u"税率")},
    LineMark{LineKind::Constant, u"K"},
    LineMark{LineKind::NonAdd, u"#"},
    LineMark{LineKind::RunBegins, ABACOR_TRANSLATABLE("Tape", u"――――")},
    LineMark{LineKind::CheckBegins, ABACOR_TRANSLATABLE("Tape", u"検算")},
    LineMark{LineKind::CheckOk, u"OK"},
    LineMark{LineKind::CheckDiffers, ABACOR_TRANSLATABLE("Tape", u"NG")},
    LineMark{LineKind::Recomputed, ABACOR_TRANSLATABLE("Tape", u"再計算")},
    LineMark{LineKind::Differs, ABACOR_TRANSLATABLE("Tape", u"結果が異なります:")},
    LineMark{LineKind::Converted, ABACOR_TRANSLATABLE("Tape", u"時分秒")},
    LineMark{LineKind::Stopped, ABACOR_TRANSLATABLE("Tape", u"開くのをやめました:")},
};

constexpr std::u16string_view MarkOf(LineKind kind)
{
    for (const LineMark& entry : kLineMarks)
        if (entry.kind == kind)
            return entry.mark;
    return {};
}

// The kind of the line a command writes by itself (its row's OwnLine).
constexpr LineKind LineKindOf(OwnLine own)
{
    switch (own) {
    case OwnLine::PriceWithTax: return LineKind::PriceWithTax;
    case OwnLine::PriceWithoutTax: return LineKind::PriceWithoutTax;
    case OwnLine::Average: return LineKind::Average;
    case OwnLine::GrandTotal: return LineKind::GrandTotal;
    case OwnLine::MemoryTotal: return LineKind::MemoryTotal;
    case OwnLine::MemoryRecall: return LineKind::MemoryRecall;
    case OwnLine::MemoryClear: return LineKind::MemoryClear;
    case OwnLine::Clear: return LineKind::Clear;
    case OwnLine::AllClear: return LineKind::AllClear;
    case OwnLine::RateSwitch: return LineKind::RateSwitch;
    case OwnLine::NonAdd: return LineKind::NonAdd;
    case OwnLine::Converted: return LineKind::Converted;
    case OwnLine::None:
    case OwnLine::Total: break;
    }
    return LineKind::Total;
}

}  // namespace abacor
