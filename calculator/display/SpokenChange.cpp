#include "calculator/display/SpokenChange.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include "calculator/display/AnnunciatorWords.h"

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
        return (m.captured(1).isEmpty() ? QString() : QCoreApplication::translate("Spoken", "マイナス")) +
               QCoreApplication::translate("Spoken", "%1時間%2分%3秒")
                   .arg(number(m.captured(2)), number(m.captured(3)), number(m.captured(4)));
    if (const QRegularExpressionMatch m = date.match(texts.display);
        m.hasMatch() && lit.contains(QStringLiteral("日付")))
        return m.captured(1).isEmpty()
                   ? QCoreApplication::translate("Spoken", "%1月%2日").arg(number(m.captured(2)), number(m.captured(3)))
                   : QCoreApplication::translate("Spoken", "%1年%2月%3日")
                         .arg(m.captured(1), number(m.captured(2)), number(m.captured(3)));
    return texts.display;
}

// The annunciators but the time's and the date's, which the words say, in
// the program's language.
QString SaidAnnunciators(const QString& annunciators)
{
    QStringList said;
    for (const QString& lit : annunciators.split(kAnnunciatorGap.toString(), Qt::SkipEmptyParts))
        if (lit != QStringLiteral("時間") && lit != QStringLiteral("日付"))
            said << ShownAnnunciator(lit);
    return said.join(kAnnunciatorGap.toString());
}

}  // namespace

DisplaySpeech SpeakDisplay(const DisplayTexts& before, const DisplayTexts& after, bool typing)
{
    QStringList news;
    if (after.op != before.op && !after.op.isEmpty())
        news << after.op;
    if (after.memory != before.memory)
        news << QCoreApplication::translate("Spoken", "メモリー %1").arg(after.memory);
    const QString lit = SaidAnnunciators(after.annunciators);
    if (lit != SaidAnnunciators(before.annunciators) && !lit.isEmpty())
        news << lit;
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
    static const QRegularExpression space(QStringLiteral("\\s+"));
    const QStringList saidWords = said.split(space, Qt::SkipEmptyParts);
    QString name = QCoreApplication::translate("Display", "表示");
    if (!texts.op.isEmpty() && !saidWords.contains(texts.op))
        name += u' ' + texts.op;
    for (const QString& lit : texts.annunciators.split(kAnnunciatorGap.toString(), Qt::SkipEmptyParts))
        if (const QString shown = ShownAnnunciator(lit); !said.contains(shown))
            name += u' ' + shown;
    return name;
}

}  // namespace abacor
