#pragma once

#include "editor/CPropertyPagePreview.h"

namespace abacor {

// "ページ２": rounded keys, grouping, the digit-drop key and smooth fonts,
// with the sample.
class CPropertyPage2 : public CPropertyPagePreview {
    Q_OBJECT
public:
    explicit CPropertyPage2(CPropertySheet1* sheet);

    void Refresh() override;

protected:
    void OnInitDialog() override;
};

}  // namespace abacor
