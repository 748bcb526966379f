#include "calculator/display/SpokenChange.h"

#include <QCoreApplication>
#include <QStringList>

#include "calculator/display/AnnunciatorWords.h"
#include "text/Digits.h"

namespace abacor {

namespace {

// "%n時間" and the like for digits of any length: the plural form as the
// language chooses it for the count, the count itself as shown, whole.
QString Counted(const char* text, QStringView digits)
{
    const QString whole = QString::number(digits.toULongLong());
    // Beyond an int, the last six digits choose the form, as they do in every language's rules.
    const int chooser = whole.size() <= 9 ? whole.toInt() : 1000000 + whole.right(6).toInt();
    QString said = QCoreApplication::translate("Spoken", text, nullptr, chooser);
    const QString shown = QString::number(chooser);
    if (const qsizetype at = said.indexOf(shown); at >= 0 && shown != whole)
        said.replace(at, shown.size(), whole);
    return said;
}

// A time or a date shown is said in words: "1時間23分45秒", "2024年5月15日".
QString SpokenValue(const DisplayTexts& texts)
{
    const QStringList lit = texts.annunciators.split(kAnnunciatorGap.toString());
    const auto number = [](QStringView digits) { return QString::number(digits.toInt()); };
    const bool negative = texts.display.startsWith(u'-');
    // "-1:23:45": hours of any length, then minutes and seconds of two digits.
    if (const QList<QStringView> hms = QStringView(texts.display).mid(negative ? 1 : 0).split(u':');
        hms.size() == 3 && IsDigits(hms[0]) && IsDigits(hms[1], 2, 2) && IsDigits(hms[2], 2, 2) &&
        lit.contains(QStringLiteral("時間")))
        return (negative ? QCoreApplication::translate("Spoken", "マイナス%1%2%3")
                         : QCoreApplication::translate("Spoken", "%1%2%3"))
            .arg(Counted(QT_TRANSLATE_N_NOOP("Spoken", "%n時間"), hms[0]),
                 Counted(QT_TRANSLATE_N_NOOP("Spoken", "%n分"), hms[1]),
                 Counted(QT_TRANSLATE_N_NOOP("Spoken", "%n秒"), hms[2]));
    // "2024.05.15" or "05.15".
    const QList<QStringView> ymd = QStringView(texts.display).split(u'.');
    const bool withYear = ymd.size() == 3 && IsDigits(ymd[0], 4, 4);
    if ((ymd.size() == 2 || withYear) && IsDigits(ymd[ymd.size() - 2], 2, 2) && IsDigits(ymd.back(), 2, 2) &&
        lit.contains(QStringLiteral("日付")))
        return withYear ? QCoreApplication::translate("Spoken", "%1年%2月%3日")
                              .arg(ymd[0].toString(), number(ymd[1]), number(ymd[2]))
                        : QCoreApplication::translate("Spoken", "%1月%2日").arg(number(ymd[0]), number(ymd[1]));
    return texts.display;
}

// The annunciators but the time's and the date's, which the words say.
QStringList SaidAnnunciators(const QString& annunciators)
{
    QStringList said;
    for (const QString& lit : annunciators.split(kAnnunciatorGap.toString(), Qt::SkipEmptyParts))
        if (lit != QStringLiteral("時間") && lit != QStringLiteral("日付"))
            said << lit;
    return said;
}

}  // namespace

DisplaySpeech SpeakDisplay(const DisplayTexts& before, const DisplayTexts& after, bool typing)
{
    QStringList news;
    if (after.op != before.op && !after.op.isEmpty())
        news << (after.op == u"〜" ? QCoreApplication::translate("Spoken", "〜") : after.op);
    if (after.memory != before.memory)
        news << QCoreApplication::translate("Spoken", "メモリー %1").arg(after.memory);
    // Only what came on: what stays lit was said when it came.
    const QStringList was = SaidAnnunciators(before.annunciators);
    for (const QString& lit : SaidAnnunciators(after.annunciators))
        if (!was.contains(lit))
            news << SpokenAnnunciator(lit);
    // GT pressed again clears it: its going out is news too.
    const QString gt = QStringLiteral("GT");
    if (before.annunciators.split(kAnnunciatorGap.toString()).contains(gt) &&
        !after.annunciators.split(kAnnunciatorGap.toString()).contains(gt))
        news << QCoreApplication::translate("Spoken", "GT クリア");
    news.prepend(SpokenValue(after));
    const bool spoken = news.size() > 1 || (after.display != before.display && !typing);
    return {after.display, news.join(u' '), spoken};
}

QString DisplayName(const DisplayTexts& texts, const QString& said)
{
    const QStringList saidWords = said.simplified().split(u' ', Qt::SkipEmptyParts);
    QString name = QCoreApplication::translate("Display", "表示");
    if (!texts.op.isEmpty() && !saidWords.contains(texts.op))
        name += u' ' + texts.op;
    for (const QString& lit : texts.annunciators.split(kAnnunciatorGap.toString(), Qt::SkipEmptyParts))
        if (const QString shown = SpokenAnnunciator(lit); !said.contains(shown))
            name += u' ' + shown;
    return name;
}

}  // namespace abacor
