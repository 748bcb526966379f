#include "calculator/tape/TapeFile.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

#include "calculator/engine/Grouping.h"
#include "calculator/tape/TapeCsv.h"
#include "calculator/tape/TapeNotes.h"
#include "calculator/tape/TapeSession.h"
#include "settings/SettingValueText.h"
#include "text/Utf.h"

namespace abacor {

namespace {

// The settings a result depends on; the others only change how it looks.
constexpr std::array<std::string_view, 10> kResultSettings{
    "TaxPercent", "TaxPercent2", "RoundSelector", "DecimalSelector", "GrandTotalFlg",
    "DeskTaxFlg", "TaxSumFlg",   "ConstantMode",  "ItemCountFlg",    "DayCountMode",
};
constexpr std::u16string_view kSettingsWord = u"設定";
// The rate in force when the calculation began (1 or 2): CA leaves it, and
// every tax key after it depends on it.
constexpr std::string_view kStartRate = "ActiveRate";

// What else the calculation began with that its keys may use (MR, GT, ANS,
// 税合計, 原価…): a new tape keeps them. Written where not empty.
struct StartValue {
    std::string_view name;
    double* (*at)(KeptState&);
};
std::optional<double>& ProfitOf(KeptState& kept, std::size_t which) { return kept.profit[which]; }
constexpr std::array kStartValues{
    StartValue{"Memory", [](KeptState& k) { return &k.memory; }},
    StartValue{"LastAnswer", [](KeptState& k) { return &k.lastAnswer; }},
    StartValue{"GrandTotal", [](KeptState& k) { return &k.grandTotal; }},
    StartValue{"TaxNet1", [](KeptState& k) { return &k.taxTotals[0].net; }},
    StartValue{"TaxGross1", [](KeptState& k) { return &k.taxTotals[0].gross; }},
    StartValue{"TaxNet2", [](KeptState& k) { return &k.taxTotals[1].net; }},
    StartValue{"TaxGross2", [](KeptState& k) { return &k.taxTotals[1].gross; }},
};
constexpr std::array<std::string_view, 3> kStartRegisters{"Cost", "Sell", "Margin"};

std::string NumberField(double value)
{
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return std::string(text, written.ptr);
}

// A finite number within what a total may be; none for anything else.
std::optional<double> NumberOfField(std::string_view text)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value) ||
        std::fabs(value) >= kMaxTotal)
        return std::nullopt;
    return value;
}
constexpr std::string_view kBom = "\xEF\xBB\xBF";

const SettingDescriptor* Descriptor(std::string_view name)
{
    for (const SettingDescriptor& descriptor : kSettingsTable)
        if (descriptor.name == name)
            return &descriptor;
    return nullptr;
}

struct Record {
    std::vector<std::string> fields;
    int line = 0;  // where it begins
};

struct Refused {
    int line;
    Message why;
};

// The format's line, the settings' line and the columns' line.
constexpr std::size_t kTapeFileHeadLines = 3;

// RFC 4180 records, each line at most kMaxTapeFileLine bytes, handed on one
// by one with the bytes read so far (take returns a refusal to stop); the
// last must end with its line end, or the file was cut short.
template <typename Take>
std::optional<Refused> Records(std::string_view text, Take take)
{
    Record record{{std::string()}, 1};
    std::size_t count = 0;
    int line = 1;
    std::size_t lineStart = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (i - lineStart >= kMaxTapeFileLine)
            return Refused{line, ABACOR_SAY("TapeFile", u"行が長すぎます（%1 KiBまで）").With(kMaxTapeFileLine >> 10)};
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                record.fields.back() += text[++i];
            else if (c == '"')
                quoted = false;
            else
                record.fields.back() += c;
            if (c == '\n')
                lineStart = i + 1, ++line;
            continue;
        }
        if (c == '"' && record.fields.back().empty()) {
            quoted = true;
        } else if (c == ',') {
            record.fields.emplace_back();
        } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += c == '\r' ? 1 : 0;
            // Beyond the tape's own size the rest is not even read.
            if (++count > kMaxTapeFileLines + kTapeFileHeadLines)
                return Refused{line, ABACOR_SAY("TapeFile", u"テープの行が多すぎます（%1行まで）")
                                         .With(GroupDigits(Utf16(std::to_string(kMaxTapeFileLines)),
                                                           GroupingMode::Always, false))};
            if (std::optional<Refused> refused = take(std::move(record), i + 1))
                return refused;
            lineStart = i + 1;
            record = Record{{std::string()}, ++line};
        } else if (c == '"' || c == '\r') {
            return Refused{line, ABACOR_SAY("TapeFile", u"CSVの形ではありません（引用符か改行の位置）")};
        } else {
            record.fields.back() += c;
        }
    }
    if (quoted || record.fields.size() > 1 || !record.fields.back().empty())
        return Refused{line, ABACOR_SAY("TapeFile", u"ファイルが途中で切れています")};
    return std::nullopt;
}

// A number as the tape writes it: an optional "-", digits and a point.
bool IsPlainNumber(std::string_view text)
{
    if (text.starts_with('-'))
        text.remove_prefix(1);
    const auto digits = std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const auto points = std::count(text.begin(), text.end(), '.');
    return digits >= 1 && points <= 1 && digits + points == static_cast<long>(text.size());
}

std::optional<int> Whole(std::string_view text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "設定,Name=Value,…": each a setting a result depends on, within its range,
// and the rate the calculation began at.
Message ReadSettings(const Record& record, CalculatorSettings& settings, KeptState& start, bool& startGiven)
{
    if (Utf16(record.fields.front()) != kSettingsWord)
        return ABACOR_SAY("TapeFile", u"2行目に設定がありません");
    for (std::size_t i = 1; i < record.fields.size(); ++i) {
        const std::string& assignment = record.fields[i];
        const std::string_view name = std::string_view(assignment).substr(0, assignment.find('='));
        const std::string_view value =
            name.size() < assignment.size() ? std::string_view(assignment).substr(name.size() + 1) : std::string_view();
        if (name == kStartRate) {
            const std::optional<int> rate = Whole(value);
            if (rate != 1 && rate != 2)
                return ABACOR_SAY("TapeFile", u"設定の値が範囲外です: %1").With(Utf16(assignment));
            start.secondRate = rate == 2;
            startGiven = true;
            continue;
        }
        const auto startValue =
            std::find_if(kStartValues.begin(), kStartValues.end(), [&](const StartValue& v) { return v.name == name; });
        const auto startRegister = std::find(kStartRegisters.begin(), kStartRegisters.end(), name);
        if (startValue != kStartValues.end() || startRegister != kStartRegisters.end()) {
            const std::optional<double> number = NumberOfField(value);
            if (!number)
                return ABACOR_SAY("TapeFile", u"設定の値が範囲外です: %1").With(Utf16(assignment));
            if (startValue != kStartValues.end())
                *startValue->at(start) = *number;
            else
                ProfitOf(start, static_cast<std::size_t>(startRegister - kStartRegisters.begin())) = *number;
            continue;
        }
        const SettingDescriptor* descriptor = Descriptor(name);
        if (descriptor == nullptr ||
            std::find(kResultSettings.begin(), kResultSettings.end(), name) == kResultSettings.end())
            return ABACOR_SAY("TapeFile", u"知らない設定です: %1").With(Utf16(name));
        CalculatorSettings changed = settings;
        if (!ApplySettingAssignment(changed, assignment) || changed.*descriptor->field > descriptor->maximum)
            return ABACOR_SAY("TapeFile", u"設定の値が範囲外です: %1").With(Utf16(assignment));
        settings = changed;
    }
    return {};
}

// A line of the CSV, its columns found by the header's names.
struct Columns {
    std::array<std::optional<std::size_t>, 8> at;  // in kCsvColumns' order
    enum Name { Run, Calculation, Step, Number, Mark, Was, Note, Time };
};

std::optional<Columns> ReadHeader(const Record& record)
{
    Columns columns;
    std::u16string_view names = kCsvColumns;
    for (std::size_t name = 0; name < columns.at.size(); ++name) {
        const std::size_t comma = names.find(u',');
        const std::u16string_view wanted = names.substr(0, comma);
        names = comma == std::u16string_view::npos ? std::u16string_view() : names.substr(comma + 1);
        for (std::size_t i = 0; i < record.fields.size(); ++i)
            if (Utf16(record.fields[i]) == wanted)
                columns.at[name] = i;
    }
    if (!columns.at[Columns::Number] || !columns.at[Columns::Mark])
        return std::nullopt;
    return columns;
}

Message ReadLine(const Record& record, const Columns& columns, std::size_t width, TapeLine& line)
{
    if (record.fields.size() != width)
        return ABACOR_SAY("TapeFile", u"列の数が見出しと違います");
    const auto field = [&](Columns::Name name) -> std::string_view {
        return columns.at[name] ? std::string_view(record.fields[*columns.at[name]]) : std::string_view();
    };
    if (!field(Columns::Step).empty()) {
        const std::optional<int> step = Whole(field(Columns::Step));
        if (!step || *step < 1)
            return ABACOR_SAY("TapeFile", u"番号が正しくありません");
        line.step = *step;
    }
    for (const auto& [name, target] : {std::pair{Columns::Number, &line.number}, std::pair{Columns::Was, &line.was}}) {
        const std::u16string value = Utf16(field(name));
        if (KindOfShown(value) != ValueKind::Number) {
            // A time or a date, written as shown.
            if (!ShownValueKeys(value))
                return ABACOR_SAY("TapeFile", u"数値ではありません: %1").With(value);
            *target = value;
            continue;
        }
        if (!value.empty() && !IsPlainNumber(field(name)))
            return ABACOR_SAY("TapeFile", u"数値ではありません: %1").With(value);
        *target = GroupDigits(value, GroupingMode::Always, false);
    }
    line.mark = Utf16(field(Columns::Mark));
    if (line.mark.empty() || !NoteRefusal(std::u16string_view(line.mark)).empty())
        return ABACOR_SAY("TapeFile", u"種別が正しくありません");
    line.note = NoteOfCell(Utf16(field(Columns::Note)));
    if (Message why = NoteRefusal(std::u16string_view(line.note)); !why.empty())
        return why;
    if (line.step > 0 && line.number.empty())
        return ABACOR_SAY("TapeFile", u"番号のある行に数値がありません");
    return {};
}

}  // namespace

Message TapeFile::Refusal() const
{
    if (errorLine == 0)
        return error;
    return ABACOR_SAY("TapeFile", u"%1行目: %2").With(errorLine).With(error);
}

std::string TapeFileText(const std::vector<TapeLine>& lines, const CalculatorSettings& settings, KeptState start)
{
    std::string text = std::string(kBom) + std::string(kTapeFileFormat) + ',' + std::to_string(kTapeFileVersion) +
                       "\r\n" + Utf8(kSettingsWord);
    for (const std::string_view name : kResultSettings)
        text += ',' + std::string(name) + '=' + std::to_string(settings.*Descriptor(name)->field);
    text += ',' + std::string(kStartRate) + (start.secondRate ? "=2" : "=1");
    for (const StartValue& value : kStartValues)
        if (*value.at(start) != 0.0)
            text += ',' + std::string(value.name) + '=' + NumberField(*value.at(start));
    for (std::size_t i = 0; i < kStartRegisters.size(); ++i)
        if (start.profit[i])
            text += ',' + std::string(kStartRegisters[i]) + '=' + NumberField(*start.profit[i]);
    return text + "\r\n" + TapeCsv(lines).substr(kBom.size());
}

TapeFile ParseTapeFile(std::string_view bytes, const CalculatorSettings& base, const ParseProgress& going)
{
    TapeFile file;
    file.settings = base;
    const auto refuse = [&](int line, Message why) {
        file.errorLine = line;
        file.error = std::move(why);
        file.lines.clear();
        file.fileLines.clear();
        return file;
    };
    if (bytes.starts_with(kBom))
        bytes.remove_prefix(kBom.size());
    // Where the records are: the format's line (a saved tape) or none (an
    // export), the columns, then the lines.
    enum class Expect { FormatOrColumns, Settings, Columns, Lines } expect = Expect::FormatOrColumns;
    std::optional<Columns> columns;
    std::size_t width = 0;
    const auto take = [&](Record&& record, std::size_t read) -> std::optional<Refused> {
        if (!std::all_of(record.fields.begin(), record.fields.end(), [](const std::string& f) { return IsUtf8(f); }))
            return Refused{record.line, ABACOR_SAY("TapeFile", u"UTF-8の文字ではないバイトがあります")};
        if (going && (file.lines.size() % 1024) == 0 && !going(read, bytes.size()))
            return Refused{0, ABACOR_SAY("TapeFile", u"開くのをやめました")};
        switch (expect) {
        case Expect::FormatOrColumns:
            if (record.fields.size() == 2 && record.fields[0] == kTapeFileFormat) {
                if (Whole(record.fields[1]) != kTapeFileVersion)
                    return Refused{1, ABACOR_SAY("TapeFile", u"この版のAbacorでは読めない形式です（%1版）")
                                          .With(Utf16(record.fields[1]))};
                expect = Expect::Settings;
                return std::nullopt;
            }
            [[fallthrough]];
        case Expect::Columns:
            columns = ReadHeader(record);
            if (!columns)
                return Refused{record.line, ABACOR_SAY("TapeFile", u"Abacorのテープではありません")};
            width = record.fields.size();
            expect = Expect::Lines;
            return std::nullopt;
        case Expect::Settings:
            if (Message why = ReadSettings(record, file.settings, file.start, file.startGiven); !why.empty())
                return Refused{record.line, std::move(why)};
            expect = Expect::Columns;
            return std::nullopt;
        case Expect::Lines: break;
        }
        TapeLine line;
        if (Message why = ReadLine(record, *columns, width, line); !why.empty())
            return Refused{record.line, std::move(why)};
        file.lines.push_back(std::move(line));
        file.fileLines.push_back(record.line);
        return std::nullopt;
    };
    if (const std::optional<Refused> refused = Records(bytes, take))
        return refuse(refused->line, refused->why);
    if (expect == Expect::Settings)
        return refuse(1, ABACOR_SAY("TapeFile", u"ファイルが途中で切れています"));
    if (expect != Expect::Lines)
        return refuse(1, ABACOR_SAY("TapeFile", u"Abacorのテープではありません"));
    return file;
}

TapeFile UnreadTapeFileOf(UnreadTapeFile why, const CalculatorSettings& base)
{
    TapeFile file;
    file.settings = base;
    switch (why) {
    case UnreadTapeFile::Missing: file.error = ABACOR_SAY("TapeFile", u"ファイルがありません"); break;
    case UnreadTapeFile::NotRegular: file.error = ABACOR_SAY("TapeFile", u"普通のファイルではありません"); break;
    case UnreadTapeFile::TooBig:
        file.error = ABACOR_SAY("TapeFile", u"ファイルが大きすぎます（%1 MiBまで）").With(kMaxTapeFileBytes >> 20);
        break;
    case UnreadTapeFile::Unreadable: file.error = ABACOR_SAY("TapeFile", u"ファイルを読めません"); break;
    }
    return file;
}

}  // namespace abacor
