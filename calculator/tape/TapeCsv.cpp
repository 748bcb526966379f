#include "calculator/tape/TapeCsv.h"

#include <ctime>

#include "calculator/engine/Grouping.h"
#include "calculator/tape/LocalTime.h"
#include "text/Utf.h"

namespace abacor {

namespace {

// A field quoted when it holds what CSV gives a meaning.
std::string Field(const std::u16string& text)
{
    std::string field = Utf8(text);
    if (field.find_first_of(",\"\n\r") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

// A key's time as the user's clock shows it.
std::string LocalTime(std::int64_t msSinceEpoch)
{
    return FormatLocalTime(static_cast<std::time_t>(msSinceEpoch / 1000), "%Y-%m-%d %H:%M:%S");
}

}  // namespace

std::string TapeCsv(const std::vector<TapeLine>& lines, int currentSegment)
{
    std::string csv = "\xEF\xBB\xBF" + Utf8(u"番号,数値,記号,日時") + "\r\n";
    for (const TapeLine& line : lines) {
        if (line.step > 0 && line.segment == currentSegment)
            csv += std::to_string(line.step);
        csv += ',' + Field(StripGrouping(line.number)) + ',' + Field(line.mark) + ',';
        if (line.time != 0)
            csv += LocalTime(line.time);
        csv += "\r\n";
    }
    return csv;
}

}  // namespace abacor
