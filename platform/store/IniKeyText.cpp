#include "platform/store/IniKeyText.h"

#include <algorithm>

namespace abacor::store {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto space = [](char ch) { return ch == ' ' || ch == '\t' || ch == '\r'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char ch) { return static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch + 32 : ch); });
    return lower;
}

// One line as the reader sees it.
struct IniLine {
    enum Kind { Other, Section, Value } kind = Other;
    std::string_view name;  // section or value name
    std::string_view value;
};

IniLine Classify(std::string_view line)
{
    line = Trimmed(line);
    if (line.empty() || line.front() == ';' || line.front() == '#')
        return {};
    if (line.front() == '[') {
        // A "[" without its "]" is no section: the line is skipped.
        if (line.back() != ']')
            return {};
        return {IniLine::Section, Trimmed(line.substr(1, line.size() - 2)), {}};
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return {};
    const std::string_view name = Trimmed(line.substr(0, equals));
    std::string_view value = Trimmed(line.substr(equals + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    if (name.empty())
        return {};
    return {IniLine::Value, name, value};
}

bool IsKeySection(std::string_view name) { return Lower(name) == "general"; }

// Editors on Windows begin a file with one; it belongs to no line.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The length of the line end at the start of text: CR LF, LF or CR; 0 for none.
std::size_t LineEndAt(std::string_view text)
{
    if (text.starts_with("\r\n"))
        return 2;
    return !text.empty() && (text.front() == '\n' || text.front() == '\r') ? 1 : 0;
}

// Calls visit(line, end, classified, inKeySection) for each line of text
// (without a byte-order mark), end being the line's own line end.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit)
{
    bool inKeySection = true;  // lines before any section are the key's
    while (!text.empty()) {
        const std::size_t length = std::min(text.find_first_of("\r\n"), text.size());
        const std::string_view line = text.substr(0, length);
        const std::string_view end = text.substr(length, LineEndAt(text.substr(length)));
        text.remove_prefix(length + end.size());
        const IniLine classified = Classify(line);
        if (classified.kind == IniLine::Section)
            inKeySection = IsKeySection(classified.name);
        visit(line, end, classified, inKeySection);
    }
}

}  // namespace

std::map<std::string, std::string> ReadIniValues(std::string_view text)
{
    std::map<std::string, std::string> values;
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    ForEachLine(text, [&](std::string_view, std::string_view, const IniLine& line, bool inKeySection) {
        if (line.kind == IniLine::Value && inKeySection)
            values.emplace(Lower(line.name), std::string(line.value));
    });
    return values;
}

std::string WriteIniValues(std::string_view text, const std::vector<std::pair<std::string, std::uint32_t>>& values)
{
    const bool mark = text.starts_with(kByteOrderMark);
    if (mark)
        text.remove_prefix(kByteOrderMark.size());
    // New lines end as the file's first line does.
    const std::size_t firstEnd = text.find_first_of("\r\n");
    const std::string newline = firstEnd == std::string_view::npos
                                    ? "\n"
                                    : std::string(text.substr(firstEnd, LineEndAt(text.substr(firstEnd))));

    std::map<std::string, std::string> lines;  // lower-case name -> its new line, without its end
    for (const auto& [name, value] : values)
        lines[Lower(name)] = name + '=' + std::to_string(value);

    std::string written(mark ? kByteOrderMark : std::string_view());
    written.reserve(text.size() + 40 * values.size());
    const std::size_t start = written.size();
    std::size_t sectionEnd = std::string::npos;  // where the key's section ends so far
    ForEachLine(text, [&](std::string_view line, std::string_view end, const IniLine& classified, bool inKeySection) {
        if (classified.kind == IniLine::Value && inKeySection) {
            if (const auto replaced = lines.find(Lower(classified.name)); replaced != lines.end()) {
                // In place, with the line's own end; a later line of the same name goes.
                if (!replaced->second.empty())
                    written += replaced->second + std::string(end.empty() ? std::string_view(newline) : end);
                replaced->second.clear();
                sectionEnd = written.size();
                return;
            }
        }
        written += line;
        written += end.empty() ? std::string_view(newline) : end;
        if (inKeySection && (classified.kind != IniLine::Other || sectionEnd != std::string::npos))
            sectionEnd = written.size();
    });
    // Duplicates of a replaced name were dropped above; the rest is new.
    std::string added;
    for (const auto& [name, value] : values) {
        auto& line = lines[Lower(name)];
        if (!line.empty())
            added += line + newline;
        line.clear();
    }
    if (added.empty())
        return written;
    if (sectionEnd == std::string::npos) {
        written.insert(start, "[General]" + newline + added);
        return written;
    }
    written.insert(sectionEnd, added);
    return written;
}

}  // namespace abacor::store
