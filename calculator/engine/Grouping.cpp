#include "calculator/engine/Grouping.h"

#include <algorithm>

namespace abacor {

std::u16string GroupDigits(const std::u16string& text, GroupingMode mode, bool commaFormat)
{
    if (mode == GroupingMode::Display && !commaFormat)
        return text;

    const bool negative = text.starts_with(u'-');
    std::ptrdiff_t integerDigits = static_cast<std::ptrdiff_t>(std::min(text.find(u'.'), text.size()));
    if (negative)
        --integerDigits;

    std::u16string grouped = text;
    // From the right of the integer part leftwards, so earlier positions stay valid.
    for (std::ptrdiff_t k = integerDigits - 3; k > 0; k -= 3)
        grouped.insert(static_cast<std::size_t>(negative ? k + 1 : k), 1, u',');
    return grouped;
}

std::u16string StripGrouping(const std::u16string& text)
{
    std::u16string stripped = text;
    std::erase(stripped, u',');
    return stripped;
}

}  // namespace abacor
