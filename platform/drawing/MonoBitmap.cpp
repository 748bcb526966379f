#include "platform/drawing/MonoBitmap.h"

#include <algorithm>

namespace abacor {

MonoBitmap::MonoBitmap(int width, int height, std::span<const std::uint8_t> bits)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), stride_((width_ + 15) / 16 * 2),
      bits_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_), 0)
{
    std::copy_n(bits.begin(), std::min(bits.size(), bits_.size()), bits_.begin());
}

bool MonoBitmap::Bit(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return false;
    const std::uint8_t byte = bits_[static_cast<std::size_t>(y * stride_ + x / 8)];
    return (byte >> (7 - x % 8)) & 1;
}

}  // namespace abacor
