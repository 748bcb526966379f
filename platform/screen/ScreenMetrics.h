#pragma once

namespace abacor {

// The phone screen as the layout reads it. On a desktop the top-level
// window's content area plays the screen; tools and tests set any size.
struct ScreenMetrics {
    int width = 480;
    int height = 640;
    int dpiY = 192;  // vertical logical dots per inch

    constexpr bool IsLandscape() const { return height < width; }
    friend constexpr bool operator==(const ScreenMetrics&, const ScreenMetrics&) = default;
};

}  // namespace abacor
