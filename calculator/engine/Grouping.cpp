#include "calculator/engine/Grouping.h"

namespace abacor {

QString GroupDigits(const QString& text, GroupingMode mode, bool commaFormat)
{
    if (mode == GroupingMode::Display && !commaFormat)
        return text;

    const bool negative = text.startsWith(u'-');
    qsizetype integerDigits = text.indexOf(u'.');
    if (integerDigits < 0)
        integerDigits = text.size();
    if (negative)
        --integerDigits;

    QString grouped = text;
    // From the right of the integer part leftwards, so earlier positions stay valid.
    for (qsizetype k = integerDigits - 3; k > 0; k -= 3)
        grouped.insert(negative ? k + 1 : k, u',');
    return grouped;
}

QString StripGrouping(const QString& text)
{
    if (!text.contains(u','))
        return text;
    QString stripped = text;
    stripped.remove(u',');
    return stripped;
}

}  // namespace abacor
