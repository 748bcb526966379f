#pragma once

#include <QFont>

#include "platform/drawing/Rect.h"

namespace abacor {

// Converts dialog-template units to pixels for a dialog font, as the platform
// does: a horizontal unit is a quarter of the font's average character width,
// a vertical unit an eighth of its height.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& dialogFont);
    DialogUnits(int baseUnitX, int baseUnitY) : baseX_(baseUnitX), baseY_(baseUnitY) {}

    // The dialog font: "MS UI Gothic" at the given points for the screen's dpi.
    static QFont DialogFont(int points, int dpiY);

    int BaseUnitX() const { return baseX_; }
    int BaseUnitY() const { return baseY_; }
    int ToPixelsX(int units) const;
    int ToPixelsY(int units) const;
    // A rectangle given as x, y, width, height in dialog units.
    Rect ToPixels(int x, int y, int width, int height) const;

private:
    int baseX_;
    int baseY_;
};

}  // namespace abacor
