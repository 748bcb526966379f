#include "platform/drawing/KeyFace.h"

namespace abacor {

void DrawKeyFace(DrawSurface& surface, const Rect& r, ColorRef background, ColorRef gradation, const KeyFaceLook& look)
{
    const bool round = look.corners != nullptr && look.corners->Enabled();
    const Pen linePen = Pen::Solid(1, look.line);
    const Pen whitePen = Pen::Solid(1, 0xFFFFFF);
    ScopedSelection selection(surface);
    selection.Select(Brush::Solid(background)).Select(linePen);
    if (look.gradation) {
        surface.GradientFillVertical(r, gradation, background);
        if (round) {
            look.corners->Draw(surface, r);
        } else {
            surface.MoveTo(r.left, r.bottom - 1);
            surface.LineTo(r.right - 1, r.bottom - 1);
            surface.LineTo(r.right - 1, r.top);
            selection.Select(whitePen);
            surface.LineTo(r.left, r.top);
            surface.LineTo(r.left, r.bottom);
        }
    } else if (round) {
        surface.RoundRect(r, RoundCorners::kEllipse, RoundCorners::kEllipse);
    } else {
        surface.Rectangle(r);
        selection.Select(whitePen);
        surface.MoveTo(r.right, r.top);
        surface.LineTo(r.left, r.top);
        surface.LineTo(r.left, r.bottom);
    }
}

}  // namespace abacor
