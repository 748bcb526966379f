#include "calculator/tape/TapeCsv.h"

#include <ctime>

#include "calculator/engine/Grouping.h"
#include "calculator/tape/LocalTime.h"
#include "calculator/tape/TapeMarks.h"
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
    std::string csv = "\xEF\xBB\xBF" + Utf8(u"実行,計算,番号,数値,種別,訂正前,日時") + "\r\n";
    // Runs and calculations counted as the lines show them: a run begins
    // after its mark, a calculation after each CA.
    int run = 1, calculation = 1;
    for (const TapeLine& line : lines) {
        if (line.mark == MarkOf(LineKind::RunBegins) && line.number.empty()) {
            ++run;
            calculation = 1;
            continue;
        }
        csv += std::to_string(run) + ',' + std::to_string(calculation) + ',';
        if (line.step > 0 && line.segment == currentSegment)
            csv += std::to_string(line.step);
        csv += ',' + Field(StripGrouping(line.number)) + ',' + Field(line.mark) + ',' + Field(StripGrouping(line.was)) +
               ',';
        if (line.time != 0)
            csv += LocalTime(line.time);
        csv += "\r\n";
        if (line.mark == MarkOf(LineKind::AllClear) && line.number.empty())
            ++calculation;
    }
    return csv;
}

}  // namespace abacor
