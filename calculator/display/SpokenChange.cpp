#include "calculator/display/SpokenChange.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace abacor {

namespace {

// A time or a date shown is said in words: "1時間23分45秒", "2024年5月15日".
QString SpokenValue(const DisplayTexts& texts)
{
    const QStringList lit = texts.annunciators.split(kAnnunciatorGap.toString());
    static const QRegularExpression time(QStringLiteral("^(-?)(\\d+):(\\d\\d):(\\d\\d)$"));
    static const QRegularExpression date(QStringLiteral("^(?:(\\d{4})\\.)?(\\d\\d)\\.(\\d\\d)$"));
    const auto number = [](const QString& digits) { return QString::number(digits.toInt()); };
    if (const QRegularExpressionMatch m = time.match(texts.display);
        m.hasMatch() && lit.contains(QStringLiteral("時間")))
        return (m.captured(1).isEmpty() ? QString() : QStringLiteral("マイナス")) + number(m.captured(2)) +
               QStringLiteral("時間") + number(m.captured(3)) + QStringLiteral("分") + number(m.captured(4)) +
               QStringLiteral("秒");
    if (const QRegularExpressionMatch m = date.match(texts.display);
        m.hasMatch() && lit.contains(QStringLiteral("日付")))
        return (m.captured(1).isEmpty() ? QString() : m.captured(1) + QStringLiteral("年")) + number(m.captured(2)) +
               QStringLiteral("月") + number(m.captured(3)) + QStringLiteral("日");
    return texts.display;
}

// The annunciators but the time's and the date's, which the words say.
QString SaidAnnunciators(const QString& annunciators)
{
    QStringList lit = annunciators.split(kAnnunciatorGap.toString(), Qt::SkipEmptyParts);
    lit.removeAll(QStringLiteral("時間"));
    lit.removeAll(QStringLiteral("日付"));
    return lit.join(kAnnunciatorGap.toString());
}

}  // namespace

DisplaySpeech SpeakDisplay(const DisplayTexts& before, const DisplayTexts& after, bool typing)
{
    QStringList news;
    if (after.op != before.op && !after.op.isEmpty())
        news << after.op;
    if (after.memory != before.memory)
        news << QStringLiteral("メモリー ") + after.memory;
    const QString lit = SaidAnnunciators(after.annunciators);
    if (lit != SaidAnnunciators(before.annunciators) && !lit.isEmpty())
        news << lit;
    // GT pressed again clears it: its going out is news too.
    const QString gt = QStringLiteral("GT");
    if (before.annunciators.split(kAnnunciatorGap.toString()).contains(gt) &&
        !after.annunciators.split(kAnnunciatorGap.toString()).contains(gt))
        news << QStringLiteral("GT クリア");
    news.prepend(SpokenValue(after));
    const bool spoken = news.size() > 1 || (after.display != before.display && !typing);
    return {after.display, news.join(u' '), spoken};
}

QString DisplayName(const DisplayTexts& texts, const QString& said)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList saidWords = said.split(space, Qt::SkipEmptyParts);
    QString name = QCoreApplication::translate("Display", "表示");
    for (const QString* lit : {&texts.op, &texts.annunciators})
        for (const QString& word : lit->split(space, Qt::SkipEmptyParts))
            if (!saidWords.contains(word))
                name += u' ' + word;
    return name;
}

}  // namespace abacor
