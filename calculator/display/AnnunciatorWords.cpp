#include "calculator/display/AnnunciatorWords.h"

#include <QCoreApplication>

#include "text/Digits.h"

namespace abacor {

namespace {

// A rate as the tax keys show it: "8" or "8.5".
bool IsRate(QStringView text)
{
    const qsizetype point = text.indexOf(u'.');
    return point < 0 ? IsDigits(text) : IsDigits(text.left(point)) && IsDigits(text.mid(point + 1));
}

}  // namespace

QString ShownAnnunciator(const QString& word)
{
    const QStringView view(word);
    if (word.startsWith(u'税') && word.endsWith(u'%') && IsRate(view.mid(1).chopped(1)))
        return QCoreApplication::translate("Annunciator", "税%1%").arg(view.mid(1).chopped(1));
    if (word.endsWith(u'件') && IsDigits(view.chopped(1))) {
        const int count = view.chopped(1).toInt();
        return QCoreApplication::translate("Annunciator", "%n件", nullptr, count);
    }
    // A check's first difference, at its step.
    if (word.startsWith(u"NG") && IsDigits(view.mid(2)))
        return QCoreApplication::translate("Annunciator", "NG%1").arg(view.mid(2));
    return QCoreApplication::translate("Annunciator", word.toUtf8().constData());
}

QString SpokenAnnunciator(const QString& word)
{
    const QStringView view(word);
    if (word.endsWith(u'件') && IsDigits(view.chopped(1))) {
        const int count = view.chopped(1).toInt();
        return QCoreApplication::translate("Spoken", "%n件", nullptr, count);
    }
    if (word == u"税計")
        return QCoreApplication::translate("Spoken", "税計");
    if (word.startsWith(u"NG") && IsDigits(view.mid(2)))
        return QCoreApplication::translate("Spoken", "NG%1").arg(view.mid(2));
    return ShownAnnunciator(word);
}

}  // namespace abacor
