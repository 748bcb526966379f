#include "platform/screen/DialogUnits.h"

#include <QFontMetrics>

#include "platform/drawing/Fonts.h"
#include "platform/drawing/MulDiv.h"

namespace abacor {

DialogUnits::DialogUnits(const QFont& dialogFont)
{
    const QFontMetrics metrics(dialogFont);
    // The average width of the 52 Latin letters, rounded.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    baseX_ = (letters / 26 + 1) / 2;
    baseY_ = metrics.height();
}

QFont DialogUnits::DialogFont(int points, int dpiY)
{
    return MakeFontByEmHeight(MulDiv(points, dpiY, 72), FontQuality::Default);
}

int DialogUnits::ToPixelsX(int units) const { return MulDiv(units, baseX_, 4); }

int DialogUnits::ToPixelsY(int units) const { return MulDiv(units, baseY_, 8); }

Rect DialogUnits::ToPixels(int x, int y, int width, int height) const
{
    return {ToPixelsX(x), ToPixelsY(y), ToPixelsX(x + width), ToPixelsY(y + height)};
}

}  // namespace abacor
