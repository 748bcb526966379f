#pragma once

#include <string>

namespace abacor {

enum class GroupingMode : int {
    Display = 1,  // group only when CommaFormatFlg is on
    Always = 2,
};

// The copy of a number text (holding no ",") with "," between groups of three
// integer digits. commaFormat is the calculator's CommaFormatFlg.
std::u16string GroupDigits(const std::u16string& text, GroupingMode mode, bool commaFormat);

// The text with every "," removed.
std::u16string StripGrouping(const std::u16string& text);

}  // namespace abacor
