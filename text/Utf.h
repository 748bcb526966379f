#pragma once

#include <string>
#include <string_view>

namespace abacor {

// UTF-8 and UTF-16 both ways; what is malformed becomes U+FFFD, so that a
// text never fails to convert.
std::u16string Utf16(std::string_view utf8);
std::string Utf8(std::u16string_view utf16);
// Whether the bytes are well-formed UTF-8 (nothing would be replaced).
bool IsUtf8(std::string_view bytes);

}  // namespace abacor
