#include "calculator/printing/TapeRoll.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

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
    const int roll = static_cast<int>(kRollMillimetres / 25.4 * device.logicalDpiX());
    const int stepWidth = metrics.horizontalAdvance(QStringLiteral("#0000 "));
    // The columns as wide as their widest text ("税抜 税10%", "NET TOTAL",
    // "*  12件"), the roll wider for them where the paper allows.
    int markWidth = metrics.horizontalAdvance(QStringLiteral(" ＋＋"));
    int numberWidth = metrics.horizontalAdvance(QStringLiteral("-000,000,000,000"));
    for (const PrintedLine& line : lines) {
        markWidth = std::max(markWidth, metrics.horizontalAdvance(u' ' + line.mark));
        numberWidth =
            std::max({numberWidth, metrics.horizontalAdvance(line.number), metrics.horizontalAdvance(line.was)});
    }
    const int width = std::min(page.width(), std::max(roll, stepWidth + numberWidth + markWidth));
    const int left = page.left() + (page.width() - width) / 2;
    markWidth = std::min(markWidth, width - stepWidth);
    const QRect stepColumn(left, 0, stepWidth, lineHeight);
    const QRect numberColumn(left + stepWidth, 0, width - stepWidth - markWidth, lineHeight);
    const QRect markColumn(left + width - markWidth, 0, markWidth, lineHeight);
    const QRect wholeLine(left + stepWidth, 0, width - stepWidth, lineHeight);
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
        // On paper too narrow for both, the mark gets a line of its own: never cut.
        const bool together = metrics.horizontalAdvance(line.number) <= numberColumn.width() &&
                              metrics.horizontalAdvance(u' ' + line.mark) <= markColumn.width();
        painter.drawText((together ? numberColumn : wholeLine).translated(0, at), Qt::AlignRight | Qt::AlignVCenter,
                         line.number);
        if (together)
            painter.drawText(markColumn.translated(0, at), Qt::AlignRight | Qt::AlignVCenter, line.mark);
        else
            painter.drawText(wholeLine.translated(0, line.number.isEmpty() ? at : newLine()),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, line.mark);
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
