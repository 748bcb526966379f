#pragma once

#include <QWidget>

#include <cstdint>
#include <memory>
#include <span>

#include "editor/DialogControls.h"
#include "editor/DialogTemplates.h"
#include "editor/SettingsRecord.h"
#include "platform/screen/ScreenMetrics.h"
#include "settings/CalculatorSettings.h"

namespace abacor {

// A check box of a page that edits one flag of the sheet's copy.
struct FlagBox {
    int control;
    std::uint32_t CalculatorSettings::*value;
};

// A drop-down list of a page: the entry chosen is the value.
struct ListBinding {
    int control;
    std::uint32_t CalculatorSettings::*value;
    std::span<const std::u16string_view> entries;
};

// A tax-rate slider (hundredths of a percent, 0 to 20 %, a step of 0.01 %)
// and the text beside it that shows the rate.
struct RateSlider {
    int slider;
    int text;
    std::uint32_t CalculatorSettings::*value;
};

// "%02d.%02d%%" of the rate in hundredths of a percent: 500 is "05.00%".
QString TaxRateText(std::uint32_t rate);

// A page of the editor's sheet, built on its dialog template. Its dialog
// initialisation runs once, when the page is first shown.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    // The page edits the record; the screen is the sheet's, which outlives it.
    SettingsPage(const DialogTemplate& dialog, SettingsRecord& record, const ScreenMetrics& screen);

    const DialogControls& controls() const { return *controls_; }
    bool IsInitialised() const { return initialised_; }
    void EnsureInitialised();
    // The page's agreement to close the sheet; the framework's always agrees.
    virtual bool OnApply() { return true; }
    // Shows the sheet's copy anew, after it was replaced.
    virtual void Refresh() {}
    // 元に戻す: undoes the page's last step of many changes at once (a
    // preset); false when there is none, and the stored settings come back.
    virtual bool UndoLastStep() { return false; }

protected:
    virtual void Initialise() {}
    // Repaint without erasing: the page paints all of itself.
    void InvalidatePage() { update(); }

    void BindFlagBoxes(std::span<const FlagBox> boxes);
    void ShowFlagBoxes(std::span<const FlagBox> boxes);
    // A choice by the user sets the value, not a refresh from the record.
    void BindLists(std::span<const ListBinding> lists);
    void SetUpLists(std::span<const ListBinding> lists);
    // A value outside the list shows no selection.
    void ShowLists(std::span<const ListBinding> lists);
    // Every scroll of the slider sets its rate, even one that moves nothing.
    void BindRateSlider(const RateSlider& rate);
    void SetUpRateSlider(const RateSlider& rate);
    void ShowRateSlider(const RateSlider& rate);
    // The slider's new place, before its value follows.
    void OnRateScrolled(const RateSlider& rate);

    SettingsRecord& record_;
    const ScreenMetrics& screen_;
    std::unique_ptr<DialogControls> controls_;

private:
    bool initialised_ = false;
};

}  // namespace abacor
