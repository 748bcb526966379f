#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace abacor {

// A one-bit-per-pixel bitmap: rows padded to 16 bits, most significant bit leftmost.
class MonoBitmap {
public:
    MonoBitmap(int width, int height, std::span<const std::uint8_t> bits);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Outside the bitmap counts as 0.
    bool Bit(int x, int y) const;

private:
    int width_;
    int height_;
    int stride_;
    std::vector<std::uint8_t> bits_;
};

}  // namespace abacor
