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

protected:
    void Initialise() override;
};

}  // namespace abacor
