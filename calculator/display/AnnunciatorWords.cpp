#include "calculator/display/AnnunciatorWords.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace abacor {

QString ShownAnnunciator(const QString& word)
{
    static const QRegularExpression rate(QStringLiteral("^税(\\d+(?:\\.\\d+)?)%$"));
    static const QRegularExpression count(QStringLiteral("^(\\d+)件$"));
    if (const QRegularExpressionMatch m = rate.match(word); m.hasMatch())
        return QCoreApplication::translate("Annunciator", "税%1%").arg(m.captured(1));
    if (const QRegularExpressionMatch m = count.match(word); m.hasMatch())
        return QCoreApplication::translate("Annunciator", "%1件").arg(m.captured(1));
    return QCoreApplication::translate("Annunciator", word.toUtf8().constData());
}

}  // namespace abacor
