#pragma once

#include "editor/SettingsPage.h"

namespace abacor {

// "ページ４": the desk functions: the rounding and decimal selectors, the
// grand total, desk-style tax keys and the second tax rate, what is kept,
// and the office functions (invoice totals, constant calculation, count).
class DeskPage : public SettingsPage {
    Q_OBJECT
public:
    DeskPage(SettingsRecord& record, const ScreenMetrics& screen);

    void Refresh() override;

protected:
    void Initialise() override;
};

}  // namespace abacor
