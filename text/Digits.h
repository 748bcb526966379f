#pragma once

#include <algorithm>
#include <cstddef>

namespace abacor {

// Whether text is ASCII digits alone, from `least` to `most` of them: the
// figures the display and the command line write (a full-width digit is none).
template <typename Text>
constexpr bool IsDigits(const Text& text, std::size_t least = 1, std::size_t most = 64)
{
    const auto size = static_cast<std::size_t>(text.size());
    return size >= least && size <= most &&
           std::all_of(text.begin(), text.end(), [](auto c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace abacor
