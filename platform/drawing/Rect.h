#pragma once

namespace abacor {

// A rectangle in device pixels covering [left, right) x [top, bottom).
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // All four coordinates 0: the "no rectangle" of the calculator's keys.
    constexpr bool IsNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // Left and top edges inside, right and bottom edges outside.
    constexpr bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    // Sharing at least one pixel.
    constexpr bool Intersects(const Rect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }

    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace abacor
