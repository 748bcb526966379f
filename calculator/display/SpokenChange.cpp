#include "calculator/display/SpokenChange.h"

#include <QStringList>

namespace abacor {

DisplaySpeech SpeakDisplay(const DisplayTexts& before, const DisplayTexts& after, bool typing)
{
    QStringList news;
    if (after.op != before.op && !after.op.isEmpty())
        news << after.op;
    if (after.memory != before.memory)
        news << QStringLiteral("メモリー ") + after.memory;
    if (after.annunciators != before.annunciators && !after.annunciators.isEmpty())
        news << after.annunciators;
    // GT pressed again clears it: its going out is news too.
    const QString gt = QStringLiteral("GT");
    if (before.annunciators.split(kAnnunciatorGap.toString()).contains(gt) &&
        !after.annunciators.split(kAnnunciatorGap.toString()).contains(gt))
        news << QStringLiteral("GT クリア");
    news.prepend(after.display);
    const bool spoken = news.size() > 1 || (after.display != before.display && !typing);
    return {after.display, news.join(u' '), spoken};
}

QString DisplayName(const DisplayTexts& texts)
{
    QString name = QStringLiteral("表示");
    for (const QString* lit : {&texts.op, &texts.annunciators})
        if (!lit->isEmpty())
            name += u' ' + *lit;
    return name;
}

}  // namespace abacor
