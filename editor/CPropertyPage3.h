#pragma once

#include "editor/CPropertyPage.h"

namespace abacor {

// "ページ３": the clear menu and digit order switches, the four additional
// keys and the tax rate.
class CPropertyPage3 : public CPropertyPage {
    Q_OBJECT
public:
    explicit CPropertyPage3(CPropertySheet1* sheet);

    void Refresh() override;
    void ShowTaxRate(std::uint32_t rate);
    void OnListChanged(int controlId);
    void OnHScroll();

protected:
    void OnInitDialog() override;
};

// "%02d.%02d%%" of the rate in hundredths of a percent: 500 is "05.00%".
QString TaxRateText(std::uint32_t rate);

}  // namespace abacor
