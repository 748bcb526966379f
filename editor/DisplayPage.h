#pragma once

#include "editor/SamplePage.h"

namespace abacor {

// "ページ２": rounded keys, grouping, the digit-drop key and smooth fonts,
// with the sample.
class DisplayPage : public SamplePage {
    Q_OBJECT
public:
    DisplayPage(SettingsRecord& record, const ScreenMetrics& screen);

    void Refresh() override;

protected:
    void Initialise() override;
};

}  // namespace abacor
