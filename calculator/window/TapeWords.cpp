#include "calculator/window/TapeWords.h"

#include <algorithm>

#include "calculator/display/AnnunciatorWords.h"
#include "platform/shell/Translated.h"
#include "text/Translatable.h"

namespace abacor {

QString ShownTapeMark(std::u16string_view mark)
{
    // A word and its figure ("税率 8%", "平均  3件", "結果が異なります: #7"):
    // each shown on its own, the spaces between kept.
    const std::size_t space = mark.find(u' ');
    if (space != std::u16string_view::npos) {
        const std::size_t figure = std::min(mark.find_first_not_of(u' ', space), mark.size());
        const QString rest = figure < mark.size() ? ShownTapeMark(mark.substr(figure)) : QString();
        return ShownTapeMark(mark.substr(0, space)) + QString(static_cast<qsizetype>(figure - space), u' ') + rest;
    }
    const QString translated = Translated("Tape", mark);
    return translated != QStringView(mark) ? translated : ShownAnnunciator(translated);
}

QString CorrectedPhrase(std::u16string_view was)
{
    return was.empty() ? QString()
                       : Translated("Tape", ABACOR_TRANSLATABLE("Tape", u"(訂正前 %1)")).arg(QStringView(was));
}

}  // namespace abacor
