#include "platform/drawing/RoundCorners.h"

#include <array>

namespace abacor {

namespace {
// 16 x 16, rows of two bytes; the upper left 10 x 10 matter.
constexpr std::array<std::uint8_t, 32> kCornerMask{
    0xFF, 0xC0, 0xF3, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0x80, 0x40, 0x80, 0x40, 0xC0, 0xC0, 0xC0, 0xC0,
    0xF3, 0xC0, 0xFF, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
};
constexpr int kCorner = RoundCorners::kEllipse / 2;
}  // namespace

RoundCorners::RoundCorners(ColorRef background, ColorRef line, bool enabled)
    : line_(line), enabled_(enabled), image_(kEllipse, kEllipse), mask_(16, 16, kCornerMask)
{
    image_.FillRect({0, 0, kEllipse, kEllipse}, background);
    image_.SelectPen(Pen::Solid(1, 0x000000));
    image_.SelectBrush(Brush::Solid(0x000000));
    image_.Ellipse({0, 0, kEllipse, kEllipse});
}

void RoundCorners::Draw(DrawSurface& surface, const Rect& key) const
{
    if (!enabled_)
        return;
    surface.MaskBlt(key.left, key.top, kCorner, kCorner, image_, 0, 0, mask_, 0, 0);
    surface.MaskBlt(key.left, key.bottom - kCorner, kCorner, kCorner, image_, 0, kCorner, mask_, 0, kCorner);
    surface.MaskBlt(key.right - kCorner, key.top, kCorner, kCorner, image_, kCorner, 0, mask_, kCorner, 0);
    surface.MaskBlt(key.right - kCorner, key.bottom - kCorner, kCorner, kCorner, image_, kCorner, kCorner, mask_,
                    kCorner, kCorner);
    ScopedSelection outline(surface);
    outline.Select(Pen::Solid(1, line_)).Select(Brush::Hollow());
    surface.RoundRect(key, kEllipse, kEllipse);
}

}  // namespace abacor
