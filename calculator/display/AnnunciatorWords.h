#pragma once

#include <QString>

namespace abacor {

// An annunciator as the display shows it in the program's language: "税8%"
// is "RATE 8%", "3件" "3 ITEMS", "検算" "CHECK" in English. The calculator
// and its files keep the Japanese words.
QString ShownAnnunciator(const QString& word);
// The same as a listener hears it, where the screen's short caption would
// not do: "1 item", "tax total".
QString SpokenAnnunciator(const QString& word);

}  // namespace abacor
