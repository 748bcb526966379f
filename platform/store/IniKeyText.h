#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace abacor::store {

// A key's values in an INI text: "Name=value" lines of the "[General]"
// section or before any section. A line that cannot be read costs only
// itself; names match without regard to case, the first line of a name wins.
// Returned by lower-case name, value texts trimmed.
std::map<std::string, std::string> ReadIniValues(std::string_view text);

// text with each value set: the lines of those names replaced where they
// stand, the others added to the key's section. Every other line is kept as
// it was, unreadable ones too.
std::string WriteIniValues(std::string_view text, const std::vector<std::pair<std::string, std::uint32_t>>& values);

}  // namespace abacor::store
