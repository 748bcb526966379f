#pragma once

#include <QString>
#include <QStringView>

namespace abacor {

enum class GroupingMode : int {
    Display = 1,  // group only when CommaFormatFlg is on
    Always = 2,
};

// The copy of a number text (holding no ",") with "," between groups of three
// integer digits. commaFormat is the calculator's CommaFormatFlg.
QString GroupDigits(const QString& text, GroupingMode mode, bool commaFormat);

// The text with every "," removed.
QString StripGrouping(const QString& text);

}  // namespace abacor
