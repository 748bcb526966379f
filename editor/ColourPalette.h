#pragma once

#include <array>
#include <optional>

#include "platform/drawing/Color.h"
#include "platform/drawing/Rect.h"
#include "platform/screen/ScreenMetrics.h"

namespace abacor {

// The colour dialog's 80 colours, 8 columns of 10; entry = column x 10 + row.
inline constexpr std::array<ColorRef, 80> kPalette{
    0x000000, 0x000080, 0x0000FF, 0xFF00FF, 0xCC99FF, 0xD2D3F2, 0xA5A7EC, 0x7B7AE1, 0x1F2291, 0x151562,
    0x003399, 0x0066FF, 0x0099FF, 0x00CCFF, 0x99CCFF, 0xDAEAFD, 0xB5D5FB, 0x8FC0FA, 0x096CE3, 0x064897,
    0x003333, 0x008080, 0x00CC99, 0x00FFFF, 0x99FFFF, 0xCEF0FC, 0x98E3FC, 0x6CD5FC, 0x008CC7, 0x025E82,
    0x003300, 0x008000, 0x669933, 0x00FF00, 0xCCFFCC, 0xD1F2E5, 0xA8E4D2, 0x78D6B8, 0x267F62, 0x145540,
    0x663300, 0x808000, 0xCCCC33, 0xFFFF00, 0xFFFFCC, 0xF3EEDB, 0xE8DDB7, 0xDCCD92, 0x9B8531, 0x675820,
    0x800000, 0xFF0000, 0xFF6633, 0xFFCC00, 0xFFCC99, 0xECDCD8, 0xD5BBAF, 0xC49888, 0x6A4431, 0x482D24,
    0x993333, 0x996666, 0x800080, 0x663399, 0xFF99CC, 0xE6E5E5, 0xD4BDC4, 0xC199AA, 0x6F3E54, 0x462835,
    0x333333, 0x808080, 0x969696, 0xC0C0C0, 0xFFFFFF, 0xB4D0D8, 0x8DB5BE, 0x487C8D, 0x213A3E, 0x0B1415,
};

inline constexpr int kPaletteColumns = 8;
inline constexpr int kPaletteRows = 10;

// Where the palette and the swatch stand in the colour dialog, recomputed
// for every paint and tap.
struct PaletteGeometry {
    Rect palette;
    Rect swatch;
    int rows = kPaletteRows;        // 5 in landscape
    int columns = kPaletteColumns;  // 16 in landscape: every colour is shown
    int cellWidth = 0;
    int cellHeight = 0;

    // The palette entry under a point; none outside the palette and beyond
    // its last whole cell.
    std::optional<int> EntryAt(int x, int y) const;
    // The cell of an entry as painted, one pixel smaller than its pitch.
    Rect Cell(int column, int row) const;
    // The palette entry shown at a cell: in landscape each column of ten
    // stands as two columns of five.
    int Entry(int column, int row) const;
};

PaletteGeometry ComputePaletteGeometry(const ScreenMetrics& screen, int divisor);

}  // namespace abacor
