#include "calculator/tape/TapeCsv.h"

#include <QDateTime>
#include <QStringList>

#include "calculator/engine/Grouping.h"

namespace abacor {

namespace {

// A field quoted when it holds what CSV gives a meaning.
QString Field(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

}  // namespace

QByteArray TapeCsv(const std::vector<TapeLine>& lines, int currentSegment)
{
    QString csv = QStringLiteral("番号,数値,記号,日時\r\n");
    for (const TapeLine& line : lines) {
        const QString step = line.step > 0 && line.segment == currentSegment ? QString::number(line.step) : QString();
        const QString when =
            line.time == 0 ? QString()
                           : QDateTime::fromMSecsSinceEpoch(line.time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        csv += QStringList{step, Field(StripGrouping(line.number)), Field(line.mark), when}.join(u',') +
               QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + csv.toUtf8();
}

}  // namespace abacor
