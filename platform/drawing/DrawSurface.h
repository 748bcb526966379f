#pragma once

#include <QFont>
#include <QImage>
#include <QString>

#include <optional>

#include "platform/drawing/Color.h"
#include "platform/drawing/MonoBitmap.h"
#include "platform/drawing/Rect.h"

namespace abacor {

struct Pen {
    enum class Style { Solid, Null };
    Style style = Style::Solid;
    int width = 1;
    ColorRef color = 0;

    static Pen Solid(int width, ColorRef color) { return {Style::Solid, width, color}; }
    static Pen None() { return {Style::Null, 0, 0}; }
};

struct Brush {
    enum class Style { Solid, Hollow };
    Style style = Style::Solid;
    ColorRef color = 0xFFFFFF;

    static Brush Solid(ColorRef color) { return {Style::Solid, color}; }
    static Brush Hollow() { return {Style::Hollow, 0}; }
};

enum class TextAlign { Left, Center, Right };
// What a text wider than its rectangle does: clipped, or drawn in the
// largest smaller size of its face that fits.
enum class TextFit { Clip, Shrink };
enum class BackgroundMode { Transparent, Opaque };

// A drawing surface with the phone's drawing semantics over a Format_RGB32
// image, antialiasing off except for text in a smooth font. Shapes cover
// [left, right) x [top, bottom); lines stop one pixel short of their end
// point. It holds a pen, a brush, a font, text and background colours and a
// current position, as a device context does; a new surface has a black
// one-pixel pen, a white brush, black text on white, opaque mode.
class DrawSurface {
public:
    DrawSurface(int width, int height);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    const QImage& Image() const { return image_; }
    QImage& Image() { return image_; }
    ColorRef PixelAt(int x, int y) const;

    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    QFont SelectFont(const QFont& font);
    void SetTextColor(ColorRef color) { textColor_ = color; }
    void SetBackgroundColor(ColorRef color) { backgroundColor_ = color; }
    void SetBackgroundMode(BackgroundMode mode) { backgroundMode_ = mode; }

    void FillRect(const Rect& rect, ColorRef color);
    // Filled with the brush, outlined with the pen. A pen of width w is centred
    // on the rectangle's edges: one pixel wide it draws the outermost pixels,
    // wider it grows outwards first. Without a pen the fill covers
    // [left, right - 1) x [top, bottom - 1).
    void Rectangle(const Rect& rect);
    // A rectangle whose corners are quarters of an ellipseWidth x ellipseHeight ellipse.
    void RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight);
    // The ellipse inscribed in the rectangle, outlined with the pen.
    void Ellipse(const Rect& rect);
    void MoveTo(int x, int y);
    // From the current position to (x, y), (x, y) itself not drawn.
    void LineTo(int x, int y);

    // Top colour along the top edge to bottom colour at the bottom, each
    // channel interpolated in 16 bits.
    void GradientFillVertical(const Rect& rect, ColorRef top, ColorRef bottom);
    void BitBlt(int x, int y, int width, int height, const DrawSurface& source, int sourceX, int sourceY);
    // Raster code 0xEECC0020: where the mask bit is 1 the source pixel is
    // copied; where it is 0 the destination becomes destination OR source.
    void MaskBlt(int x, int y, int width, int height, const DrawSurface& source, int sourceX, int sourceY,
                 const MonoBitmap& mask, int maskX, int maskY);
    void InvertRect(const Rect& rect);

    // One line of text in the rectangle, vertically centred, clipped to it.
    void DrawText(const QString& text, const Rect& rect, TextAlign align, TextFit fit = TextFit::Clip);

    // The pixels [left, right) of one row of a shape.
    struct Run {
        int left;
        int right;
    };

private:
    void FillSpan(int left, int right, int y, ColorRef color);
    // A shape that is one run of pixels per row, [left, right) of each row
    // from rect.top down (empty when right <= left): the runs filled with the
    // brush, the pixels on its edge (a 4-neighbour outside) with the pen.
    template <typename RunOfRow>
    void DrawRuns(const Rect& rect, RunOfRow runOfRow);

    QImage image_;
    Pen pen_;
    Brush brush_;
    QFont font_;
    ColorRef textColor_ = 0x000000;
    ColorRef backgroundColor_ = 0xFFFFFF;
    BackgroundMode backgroundMode_ = BackgroundMode::Opaque;
    int currentX_ = 0;
    int currentY_ = 0;
};

// Selects pens, brushes and fonts for a scope; at its end the surface has
// again those it had before.
class ScopedSelection {
public:
    explicit ScopedSelection(DrawSurface& surface) : surface_(surface) {}
    ~ScopedSelection();
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

    ScopedSelection& Select(const Pen& pen);
    ScopedSelection& Select(const Brush& brush);
    ScopedSelection& Select(const QFont& font);

private:
    DrawSurface& surface_;
    std::optional<Pen> pen_;
    std::optional<Brush> brush_;
    std::optional<QFont> font_;
};

}  // namespace abacor
