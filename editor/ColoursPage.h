#pragma once

#include "editor/SamplePage.h"

#include <cstdint>
#include <functional>
#include <vector>

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
    // Fills all 18 colours from the preset of that place in the list, and
    // says so; the colours before it are kept for 元に戻す.
    void ApplyPreset(int index);
    // The colours as they were before the last preset.
    bool UndoLastStep() override;
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
    // An arrow on the closed preset list opens it: a preset applies only
    // when chosen (Return, a click), never on the way through the list.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColourDialogRunner runColourDialog_;
    std::vector<std::uint32_t> beforePreset_;  // the colours before the last preset; empty for none
};

// The list entry a tap on the sample selects, from the entry selected now.
int NextColourEntry(int selected, const PreviewLayout& layout, int x, int y);

}  // namespace abacor
