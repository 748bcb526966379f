#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculator/tape/TapeSession.h"

namespace abacor {

// The tape as CSV for spreadsheets: UTF-8 with a byte-order mark (so that
// programs in Japanese locales read it as UTF-8), CRLF line ends, the
// columns of kCsvColumns: 実行 (the run, from 1), 計算 (the calculation in
// it, since a CA), 番号 (the step), 数値, 種別 (the mark), 訂正前 (a
// corrected step's earlier number), 注記 (safe from spreadsheet formulas),
// 日時; numbers without grouping, the time local as yyyy-MM-dd HH:mm:ss.
std::string TapeCsv(const std::vector<TapeLine>& lines);

inline constexpr std::u16string_view kCsvColumns = u"実行,計算,番号,数値,種別,訂正前,注記,日時";

// A field quoted when it holds what CSV gives a meaning.
std::string CsvField(const std::u16string& text);

}  // namespace abacor
