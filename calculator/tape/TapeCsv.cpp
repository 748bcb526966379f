#include "calculator/tape/TapeCsv.h"

#include <ctime>

#include "calculator/engine/Grouping.h"
#include "calculator/tape/LocalTime.h"
#include "calculator/tape/TapeMarks.h"
#include "calculator/tape/TapeNotes.h"
#include "text/Utf.h"

namespace abacor {

std::string CsvField(const std::u16string& text)
{
    std::string field = Utf8(text);
    if (field.find_first_of(",\"\n\r") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

namespace {

// A key's time as the user's clock shows it.
std::string LocalTime(std::int64_t msSinceEpoch)
{
    return FormatLocalTime(static_cast<std::time_t>(msSinceEpoch / 1000), "%Y-%m-%d %H:%M:%S");
}

}  // namespace

std::string TapeCsv(const std::vector<TapeLine>& lines)
{
    return TapeCsv(lines, {std::u16string(kCsvColumns), [](std::u16string_view mark) { return std::u16string(mark); }});
}

std::string TapeCsv(const std::vector<TapeLine>& lines, const CsvWords& words)
{
    std::string csv = "\xEF\xBB\xBF" + Utf8(words.columns) + "\r\n";
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
        if (line.step > 0)
            csv += std::to_string(line.step);
        csv += ',' + CsvField(StripGrouping(line.number)) + ',' + CsvField(words.mark(line.mark)) + ',' +
               CsvField(StripGrouping(line.was)) + ',' + CsvField(CellOfNote(line.note)) + ',';
        if (line.time != 0)
            csv += LocalTime(line.time);
        csv += "\r\n";
        if (line.mark == MarkOf(LineKind::AllClear) && line.number.empty())
            ++calculation;
    }
    return csv;
}

}  // namespace abacor
