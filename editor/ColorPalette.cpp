#include "editor/ColorPalette.h"

namespace abacor {

PaletteGeometry ComputePaletteGeometry(const ScreenMetrics& screen, int divisor)
{
    const int d = divisor > 0 ? divisor : 1;
    PaletteGeometry geometry;
    geometry.palette = {16 / d, 160 / d, 464 / d, screen.height - 120 / d};
    geometry.swatch = {16 / d, 16 / d, 80 / d, 140 / d};
    geometry.rows = screen.IsLandscape() ? 5 : kPaletteRows;
    geometry.cellWidth = geometry.palette.Width() / kPaletteColumns;
    geometry.cellHeight = geometry.palette.Height() / geometry.rows;
    return geometry;
}

std::optional<int> PaletteGeometry::EntryAt(int x, int y) const
{
    if (!palette.Contains(x, y) || cellWidth <= 0 || cellHeight <= 0)
        return std::nullopt;
    const int row = (y - palette.top) / cellHeight;
    const int column = (x - palette.left) / cellWidth;
    if (row >= rows || column >= kPaletteColumns)
        return std::nullopt;
    return column * kPaletteRows + row;
}

Rect PaletteGeometry::Cell(int column, int row) const
{
    const int left = palette.left + column * cellWidth;
    const int top = palette.top + row * cellHeight;
    return {left, top, left + cellWidth - 1, top + cellHeight - 1};
}

}  // namespace abacor
