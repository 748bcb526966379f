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

// Calls visit(line, classified, inKeySection) for each line, with its end of line.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit)
{
    bool inKeySection = true;  // lines before any section are the key's
    while (!text.empty()) {
        const auto newline = text.find('\n');
        const std::size_t length = newline == std::string_view::npos ? text.size() : newline + 1;
        const std::string_view line = text.substr(0, length);
        text.remove_prefix(length);
        const IniLine classified = Classify(line.substr(0, line.size() - (line.back() == '\n' ? 1 : 0)));
        if (classified.kind == IniLine::Section)
            inKeySection = IsKeySection(classified.name);
        visit(line, classified, inKeySection);
    }
}

}  // namespace

std::map<std::string, std::string> ReadIniValues(std::string_view text)
{
    std::map<std::string, std::string> values;
    ForEachLine(text, [&](std::string_view, const IniLine& line, bool inKeySection) {
        if (line.kind == IniLine::Value && inKeySection)
            values.emplace(Lower(line.name), std::string(line.value));
    });
    return values;
}

std::string WriteIniValues(std::string_view text, const std::vector<std::pair<std::string, std::uint32_t>>& values)
{
    std::map<std::string, std::string> lines;  // lower-case name -> its new line
    for (const auto& [name, value] : values)
        lines[Lower(name)] = name + '=' + std::to_string(value) + '\n';

    std::string written;
    written.reserve(text.size() + 40 * values.size());
    std::size_t sectionEnd = std::string::npos;  // where the key's section ends so far
    ForEachLine(text, [&](std::string_view line, const IniLine& classified, bool inKeySection) {
        if (classified.kind == IniLine::Value && inKeySection) {
            if (const auto replaced = lines.find(Lower(classified.name)); replaced != lines.end()) {
                written += replaced->second;
                replaced->second.clear();  // written; a later line of the same name goes too
                sectionEnd = written.size();
                return;
            }
        }
        written += line;
        if (!written.empty() && written.back() != '\n')
            written += '\n';
        if (inKeySection && (classified.kind != IniLine::Other || sectionEnd != std::string::npos))
            sectionEnd = written.size();
    });
    // Duplicates of a replaced name were dropped above; the rest is new.
    std::string added;
    for (const auto& [name, value] : values) {
        auto& line = lines[Lower(name)];
        added += line;
        line.clear();
    }
    if (added.empty())
        return written;
    if (sectionEnd == std::string::npos)
        return "[General]\n" + added + written;
    written.insert(sectionEnd, added);
    return written;
}

}  // namespace abacor::store
