#pragma once

#include <QRgb>

#include <cstdint>

namespace abacor {

// 0x00BBGGRR, red in the low byte, as stored in the settings.
using ColorRef = std::uint32_t;

constexpr ColorRef Rgb(int red, int green, int blue)
{
    return static_cast<ColorRef>(red & 0xFF) | static_cast<ColorRef>(green & 0xFF) << 8 |
           static_cast<ColorRef>(blue & 0xFF) << 16;
}
constexpr int RedOf(ColorRef color) { return static_cast<int>(color & 0xFF); }
constexpr int GreenOf(ColorRef color) { return static_cast<int>((color >> 8) & 0xFF); }
constexpr int BlueOf(ColorRef color) { return static_cast<int>((color >> 16) & 0xFF); }

// The pixel value of a colour in a Format_RGB32 image, and back.
constexpr QRgb ToPixel(ColorRef color) { return qRgb(RedOf(color), GreenOf(color), BlueOf(color)); }
constexpr ColorRef FromPixel(QRgb pixel) { return Rgb(qRed(pixel), qGreen(pixel), qBlue(pixel)); }

}  // namespace abacor
