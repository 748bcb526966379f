#pragma once

#include "editor/SettingsPage.h"

namespace abacor {

// "ページ３": the clear menu and digit order switches, the four additional
// keys and the tax rate.
class KeysPage : public SettingsPage {
    Q_OBJECT
public:
    KeysPage(SettingsRecord& record, const ScreenMetrics& screen);

    void Refresh() override;
    void ShowTaxRate(std::uint32_t rate);
    void OnListChanged(int controlId);
    void OnHScroll();

protected:
    void Initialise() override;
};

// "%02d.%02d%%" of the rate in hundredths of a percent: 500 is "05.00%".
QString TaxRateText(std::uint32_t rate);

}  // namespace abacor
