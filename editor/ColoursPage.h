#pragma once

#include "editor/SamplePage.h"

#include <functional>

namespace abacor {

class ColourDialog;

// "ページ１": the 18 colours, chosen from a list and set in the colour
// dialog, the gradation switch, and taps on the sample that walk the list.
class ColoursPage : public SamplePage {
    Q_OBJECT
public:
    ColoursPage(SettingsRecord& record, const ScreenMetrics& screen);

    void Refresh() override;
    void OnChooseColour();
    // Fills all 18 colours from the preset of that place in the list.
    void ApplyPreset(int index);
    void PressAt(int x, int y);
    bool OnApply() override;
    int SelectedEntry() const;
    void SelectEntry(int index);

    // Runs the colour dialog; tests and tools answer it instead.
    using ColourDialogRunner = std::function<int(ColourDialog&)>;
    void SetColourDialogRunner(ColourDialogRunner runner) { runColourDialog_ = std::move(runner); }

protected:
    void Initialise() override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ColourDialogRunner runColourDialog_;
};

// The list entry a tap on the sample selects, from the entry selected now.
int NextColourEntry(int selected, const PreviewLayout& layout, int x, int y);

}  // namespace abacor
