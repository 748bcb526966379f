#include "calculator/printing/TapeRoll.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace abacor {

namespace {

// A roll is 58 mm wide; its text fits in about 48 mm.
constexpr double kRollMillimetres = 48.0;
constexpr int kPointSize = 10;

}  // namespace

bool PaintTapeRoll(QPagedPaintDevice& device, const QList<PrintedLine>& lines, const QString& heading)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(kPointSize);
    painter.setFont(font);
    const QFontMetrics metrics(font, &device);
    const int lineHeight = metrics.lineSpacing();
    const QRect page(QPoint(0, 0), QSize(device.width(), device.height()));
    const int width = std::min(page.width(), static_cast<int>(kRollMillimetres / 25.4 * device.logicalDpiX()));
    const int left = page.left() + (page.width() - width) / 2;
    const int stepWidth = metrics.horizontalAdvance(QStringLiteral("#0000 "));
    const int markWidth = metrics.horizontalAdvance(QStringLiteral(" ＋＋"));
    const QRect stepColumn(left, 0, stepWidth, lineHeight);
    const QRect numberColumn(left + stepWidth, 0, width - stepWidth - markWidth, lineHeight);
    const QRect markColumn(left + width - markWidth, 0, markWidth, lineHeight);

    int y = page.top();
    const auto newLine = [&] {
        if (y + lineHeight > page.bottom()) {
            device.newPage();
            y = page.top();
        }
        const int at = y;
        y += lineHeight;
        return at;
    };
    painter.drawText(QRect(left, newLine(), width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, heading);
    painter.drawLine(left, y, left + width, y);
    y += lineHeight / 2;
    for (const PrintedLine& line : lines) {
        const int at = newLine();
        painter.drawText(stepColumn.translated(0, at), Qt::AlignLeft | Qt::AlignVCenter, line.step);
        painter.drawText(numberColumn.translated(0, at), Qt::AlignRight | Qt::AlignVCenter, line.number);
        painter.drawText(markColumn.translated(0, at), Qt::AlignRight | Qt::AlignVCenter, line.mark);
        if (!line.was.isEmpty())
            painter.drawText(numberColumn.translated(0, newLine()), Qt::AlignRight | Qt::AlignVCenter, line.was);
        // A note below its line, as many lines of the roll as it needs.
        QString rest = line.note;
        while (!rest.isEmpty()) {
            qsizetype fits = 1;
            while (fits < rest.size() && metrics.horizontalAdvance(rest.left(fits + 1)) <= width - stepWidth)
                ++fits;
            if (fits < rest.size() && rest.at(fits).isLowSurrogate())
                fits = fits > 1 ? fits - 1 : fits + 1;
            painter.drawText(QRect(left + stepWidth, newLine(), width - stepWidth, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, rest.left(fits));
            rest.remove(0, fits);
        }
    }
    return painter.end();
}

}  // namespace abacor
