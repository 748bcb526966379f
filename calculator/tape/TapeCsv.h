#pragma once

#include <string>

#include <vector>

#include "calculator/tape/TapeSession.h"

namespace abacor {

// The tape as CSV for spreadsheets: UTF-8 with a byte-order mark (so that
// programs in Japanese locales read it as UTF-8), CRLF line ends, the
// columns 実行 (the run, from 1), 計算 (the calculation in it, since a CA),
// 番号, 数値, 種別 (the mark), 訂正前 (a corrected step's earlier number),
// 日時; numbers without grouping, the step number only for the current
// segment's steps, the time local as yyyy-MM-dd HH:mm:ss.
std::string TapeCsv(const std::vector<TapeLine>& lines, int currentSegment);

}  // namespace abacor
