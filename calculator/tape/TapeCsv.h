#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/tape/TapeSession.h"
#include "text/Translatable.h"

namespace abacor {

// The tape as CSV for spreadsheets: UTF-8 with a byte-order mark (so that
// programs in Japanese locales read it as UTF-8), CRLF line ends, the
// columns of kCsvColumns: 実行 (the run, from 1), 計算 (the calculation in
// it, since a CA), 番号 (the step), 数値, 種別 (the mark), 訂正前 (a
// corrected step's earlier number), 注記 (safe from spreadsheet formulas),
// 日時; numbers without grouping, the time local as yyyy-MM-dd HH:mm:ss.
// These columns and marks are what a tape file and an export Abacor opens
// again hold, in every language.
std::string TapeCsv(const std::vector<TapeLine>& lines);

inline constexpr std::u16string_view kCsvColumns =
    ABACOR_TRANSLATABLE("Tape", u"実行,計算,番号,数値,種別,訂正前,注記,日時");

// The same for people in another language: its column names (as
// kCsvColumns, comma-separated) and each mark as its screen shows it. Abacor
// does not open it again.
struct CsvWords {
    std::u16string columns;
    std::function<std::u16string(std::u16string_view mark)> mark;
};
std::string TapeCsv(const std::vector<TapeLine>& lines, const CsvWords& words);

// A field quoted when it holds what CSV gives a meaning.
std::string CsvField(const std::u16string& text);

}  // namespace abacor
