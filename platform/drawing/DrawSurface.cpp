#include "platform/drawing/DrawSurface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace abacor {

DrawSurface::DrawSurface(int width, int height) : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32)
{
    image_.fill(ToPixel(0xFFFFFF));
}

ColorRef DrawSurface::PixelAt(int x, int y) const { return FromPixel(image_.pixel(x, y)); }

Pen DrawSurface::SelectPen(const Pen& pen) { return std::exchange(pen_, pen); }

Brush DrawSurface::SelectBrush(const Brush& brush) { return std::exchange(brush_, brush); }

QFont DrawSurface::SelectFont(const QFont& font) { return std::exchange(font_, font); }

ScopedSelection::~ScopedSelection()
{
    if (pen_)
        surface_.SelectPen(*pen_);
    if (brush_)
        surface_.SelectBrush(*brush_);
    if (font_)
        surface_.SelectFont(*font_);
}

ScopedSelection& ScopedSelection::Select(const Pen& pen)
{
    const Pen previous = surface_.SelectPen(pen);
    if (!pen_)
        pen_ = previous;
    return *this;
}

ScopedSelection& ScopedSelection::Select(const Brush& brush)
{
    const Brush previous = surface_.SelectBrush(brush);
    if (!brush_)
        brush_ = previous;
    return *this;
}

ScopedSelection& ScopedSelection::Select(const QFont& font)
{
    QFont previous = surface_.SelectFont(font);
    if (!font_)
        font_ = std::move(previous);
    return *this;
}

void DrawSurface::FillSpan(int left, int right, int y, ColorRef color)
{
    if (y < 0 || y >= Height())
        return;
    left = std::max(left, 0);
    right = std::min(right, Width());
    QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(line + std::max(left, 0), line + std::max(left, right), ToPixel(color));
}

void DrawSurface::FillRect(const Rect& rect, ColorRef color)
{
    for (int y = rect.top; y < rect.bottom; ++y)
        FillSpan(rect.left, rect.right, y, color);
}

void DrawSurface::Rectangle(const Rect& rect)
{
    if (pen_.style == Pen::Style::Null) {
        if (brush_.style == Brush::Style::Solid)
            FillRect({rect.left, rect.top, rect.right - 1, rect.bottom - 1}, brush_.color);
        return;
    }
    if (brush_.style == Brush::Style::Solid)
        FillRect(rect, brush_.color);
    const int w = std::max(pen_.width, 1);
    const int before = w / 2;       // outwards at left and top
    const int after = (w - 1) / 2;  // inwards at right and bottom
    const int outerLeft = rect.left - before;
    const int outerTop = rect.top - before;
    const int outerRight = rect.right - 1 - after + w;
    const int outerBottom = rect.bottom - 1 - after + w;
    FillRect({outerLeft, outerTop, outerRight, outerTop + w}, pen_.color);
    FillRect({outerLeft, outerBottom - w, outerRight, outerBottom}, pen_.color);
    FillRect({outerLeft, outerTop, outerLeft + w, outerBottom}, pen_.color);
    FillRect({outerRight - w, outerTop, outerRight, outerBottom}, pen_.color);
}

template <typename RunOfRow>
void DrawSurface::DrawRuns(const Rect& rect, RunOfRow runOfRow)
{
    if (rect.Width() <= 0 || rect.Height() <= 0)
        return;
    const bool pen = pen_.style == Pen::Style::Solid;
    const bool brush = brush_.style == Brush::Style::Solid;
    const Run none{0, 0};
    Run previous = none;
    Run run = runOfRow(rect.top);
    for (int y = rect.top; y < rect.bottom; ++y) {
        const Run next = y + 1 < rect.bottom ? runOfRow(y + 1) : none;
        if (run.right > run.left) {
            if (brush)
                FillSpan(run.left, run.right, y, brush_.color);
            if (pen) {
                // The ends of the run, and what lies beyond the rows above and below.
                FillSpan(run.left, run.left + 1, y, pen_.color);
                FillSpan(run.right - 1, run.right, y, pen_.color);
                for (const Run& neighbour : {previous, next}) {
                    if (neighbour.right <= neighbour.left) {
                        FillSpan(run.left, run.right, y, pen_.color);
                        break;
                    }
                    FillSpan(run.left, std::min(run.right, neighbour.left), y, pen_.color);
                    FillSpan(std::max(run.left, neighbour.right), run.right, y, pen_.color);
                }
            }
        }
        previous = run;
        run = next;
    }
}

namespace {
// Whether pixel (x, y) belongs to the ellipse of the box [left, left + width) x
// [top, top + height): the ellipse through the centres of the box's outermost
// pixels, a tenth of a pixel fuller so that it takes in the pixels it meets
// at its ends. A 10 x 10 box so gives the disc whose inner pixels are exactly
// the clear pixels of the calculator's rounded-corner mask.
bool InsideEllipse(int x, int y, int left, int top, int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    const double a = (width - 1) / 2.0 + 0.1;
    const double b = (height - 1) / 2.0 + 0.1;
    const double dx = (x - left) - (width - 1) / 2.0;
    const double dy = (y - top) - (height - 1) / 2.0;
    return (dx * dx) / (a * a) + (dy * dy) / (b * b) <= 1.0;
}
}  // namespace

// The run of a row of a shape that is convex along the row, found from both
// ends of [left, right) with the predicate inside(x).
template <typename Inside>
DrawSurface::Run ConvexRun(int left, int right, Inside inside)
{
    while (left < right && !inside(left))
        ++left;
    while (right > left && !inside(right - 1))
        --right;
    return {left, right};
}

void DrawSurface::Ellipse(const Rect& rect)
{
    DrawRuns(rect, [&](int y) {
        return ConvexRun(rect.left, rect.right,
                         [&](int x) { return InsideEllipse(x, y, rect.left, rect.top, rect.Width(), rect.Height()); });
    });
}

void DrawSurface::RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight)
{
    const int ew = std::clamp(ellipseWidth, 0, std::max(rect.Width(), 0));
    const int eh = std::clamp(ellipseHeight, 0, std::max(rect.Height(), 0));
    DrawRuns(rect, [&](int y) {
        const bool topSide = y < rect.top + eh / 2;
        const bool bottomSide = y >= rect.bottom - eh / 2;
        if (!topSide && !bottomSide)
            return Run{rect.left, rect.right};
        // Only the corners' quarter ellipses narrow the row.
        const int cornerTop = topSide ? rect.top : rect.bottom - eh;
        const auto inCorner = [&](int x) {
            const bool leftSide = x < rect.left + ew / 2;
            const bool rightSide = x >= rect.right - ew / 2;
            if (!leftSide && !rightSide)
                return true;
            return InsideEllipse(x, y, leftSide ? rect.left : rect.right - ew, cornerTop, ew, eh);
        };
        return ConvexRun(rect.left, rect.right, inCorner);
    });
}

void DrawSurface::MoveTo(int x, int y)
{
    currentX_ = x;
    currentY_ = y;
}

void DrawSurface::LineTo(int x, int y)
{
    if (pen_.style == Pen::Style::Solid) {
        // Bresenham from the current position, stopping before (x, y).
        int cx = currentX_;
        int cy = currentY_;
        const int dx = std::abs(x - cx);
        const int dy = -std::abs(y - cy);
        const int sx = cx < x ? 1 : -1;
        const int sy = cy < y ? 1 : -1;
        int error = dx + dy;
        const int w = std::max(pen_.width, 1);
        while (cx != x || cy != y) {
            FillRect({cx - w / 2, cy - w / 2, cx - w / 2 + w, cy - w / 2 + w}, pen_.color);
            const int twice = 2 * error;
            if (twice >= dy) {
                error += dy;
                cx += sx;
            }
            if (twice <= dx) {
                error += dx;
                cy += sy;
            }
        }
    }
    MoveTo(x, y);
}

void DrawSurface::GradientFillVertical(const Rect& rect, ColorRef top, ColorRef bottom)
{
    const int height = rect.Height();
    if (height <= 0 || rect.Width() <= 0)
        return;
    const auto channel = [&](int topByte, int bottomByte, int row) {
        const long long from = static_cast<long long>(topByte) << 8;
        const long long to = static_cast<long long>(bottomByte) << 8;
        return static_cast<int>((from + (to - from) * row / height) >> 8);
    };
    for (int row = 0; row < height; ++row) {
        const ColorRef color = Rgb(channel(RedOf(top), RedOf(bottom), row), channel(GreenOf(top), GreenOf(bottom), row),
                                   channel(BlueOf(top), BlueOf(bottom), row));
        FillSpan(rect.left, rect.right, rect.top + row, color);
    }
}

void DrawSurface::BitBlt(int x, int y, int width, int height, const DrawSurface& source, int sourceX, int sourceY)
{
    // Clip against both surfaces, then copy whole rows.
    if (sourceX < 0) {
        x -= sourceX;
        width += sourceX;
        sourceX = 0;
    }
    if (sourceY < 0) {
        y -= sourceY;
        height += sourceY;
        sourceY = 0;
    }
    if (x < 0) {
        sourceX -= x;
        width += x;
        x = 0;
    }
    if (y < 0) {
        sourceY -= y;
        height += y;
        y = 0;
    }
    width = std::min({width, source.Width() - sourceX, Width() - x});
    height = std::min({height, source.Height() - sourceY, Height() - y});
    if (width <= 0 || height <= 0)
        return;
    for (int row = 0; row < height; ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.image_.constScanLine(sourceY + row)) + sourceX;
        QRgb* to = reinterpret_cast<QRgb*>(image_.scanLine(y + row)) + x;
        std::copy_n(from, width, to);
    }
}

void DrawSurface::MaskBlt(int x, int y, int width, int height, const DrawSurface& source, int sourceX, int sourceY,
                          const MonoBitmap& mask, int maskX, int maskY)
{
    // Clip against both surfaces once; the mask moves with the source.
    const int skipX = std::max({0, -sourceX, -x});
    const int skipY = std::max({0, -sourceY, -y});
    width = std::min({width, source.Width() - sourceX, Width() - x});
    height = std::min({height, source.Height() - sourceY, Height() - y});
    for (int row = skipY; row < height; ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.image_.constScanLine(sourceY + row)) + sourceX;
        QRgb* to = reinterpret_cast<QRgb*>(image_.scanLine(y + row)) + x;
        for (int column = skipX; column < width; ++column)
            to[column] = mask.Bit(maskX + column, maskY + row) ? from[column] : (to[column] | from[column]);
    }
}

void DrawSurface::InvertRect(const Rect& rect)
{
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.right, Width());
    for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, Height()); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = left; x < right; ++x)
            line[x] ^= 0x00FFFFFFu;
    }
}

namespace {
// The font, or the largest smaller pixel size of its face in which text is
// no wider than width.
QFont FittingFont(const QFont& font, const QString& text, int width)
{
    const QFontMetrics metrics(font);
    // Most texts are short enough not to need measuring.
    if (text.size() * metrics.maxWidth() <= width)
        return font;
    const int wide = metrics.horizontalAdvance(text);
    if (wide <= width || font.pixelSize() <= 1)
        return font;
    QFont smaller = font;
    int size = std::max(1, font.pixelSize() * width / wide);
    smaller.setPixelSize(size);
    while (size > 1 && QFontMetrics(smaller).horizontalAdvance(text) > width)
        smaller.setPixelSize(--size);
    for (QFont larger = smaller; size + 1 < font.pixelSize();) {
        larger.setPixelSize(size + 1);
        if (QFontMetrics(larger).horizontalAdvance(text) > width)
            break;
        smaller.setPixelSize(++size);
    }
    return smaller;
}
}  // namespace

void DrawSurface::DrawText(const QString& text, const Rect& rect, TextAlign align, TextFit fit)
{
    if (rect.Width() <= 0 || rect.Height() <= 0 || text.isEmpty())
        return;
    QPainter painter(&image_);
    const bool smooth = !(font_.styleStrategy() & QFont::NoAntialias);
    painter.setRenderHint(QPainter::TextAntialiasing, smooth);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(fit == TextFit::Shrink ? FittingFont(font_, text, rect.Width()) : font_);
    const QRect box(rect.left, rect.top, rect.Width(), rect.Height());
    painter.setClipRect(box);
    const int horizontal = align == TextAlign::Left    ? Qt::AlignLeft
                           : align == TextAlign::Right ? Qt::AlignRight
                                                       : Qt::AlignHCenter;
    const int flags = horizontal | Qt::AlignVCenter | Qt::TextSingleLine;
    if (backgroundMode_ == BackgroundMode::Opaque) {
        const QRect extent = painter.boundingRect(box, flags, text);
        painter.fillRect(extent, QColor::fromRgb(ToPixel(backgroundColor_)));
    }
    painter.setPen(QColor::fromRgb(ToPixel(textColor_)));
    painter.drawText(box, flags, text);
}

}  // namespace abacor
