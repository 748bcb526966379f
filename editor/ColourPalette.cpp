#include "editor/ColourPalette.h"

namespace abacor {

PaletteGeometry ComputePaletteGeometry(const ScreenMetrics& screen, int divisor)
{
    const int d = divisor > 0 ? divisor : 1;
    PaletteGeometry geometry;
    const bool landscape = screen.IsLandscape();
    // In landscape the palette takes the window's width, as two halves of each column.
    geometry.palette = {16 / d, 160 / d, landscape ? screen.width - 16 / d : 464 / d, screen.height - 120 / d};
    geometry.swatch = {16 / d, 16 / d, 80 / d, 140 / d};
    geometry.rows = landscape ? kPaletteRows / 2 : kPaletteRows;
    geometry.columns = landscape ? kPaletteColumns * 2 : kPaletteColumns;
    geometry.cellWidth = geometry.palette.Width() / geometry.columns;
    geometry.cellHeight = geometry.palette.Height() / geometry.rows;
    return geometry;
}

std::optional<int> PaletteGeometry::EntryAt(int x, int y) const
{
    if (!palette.Contains(x, y) || cellWidth <= 0 || cellHeight <= 0)
        return std::nullopt;
    const int row = (y - palette.top) / cellHeight;
    const int column = (x - palette.left) / cellWidth;
    if (row >= rows || column >= columns)
        return std::nullopt;
    return Entry(column, row);
}

int PaletteGeometry::Entry(int column, int row) const
{
    if (rows == kPaletteRows)
        return column * kPaletteRows + row;
    return (column / 2) * kPaletteRows + (column % 2) * rows + row;
}

Rect PaletteGeometry::Cell(int column, int row) const
{
    const int left = palette.left + column * cellWidth;
    const int top = palette.top + row * cellHeight;
    return {left, top, left + cellWidth - 1, top + cellHeight - 1};
}

}  // namespace abacor
