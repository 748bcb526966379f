#pragma once

#include <QLabel>

#include "editor/PreviewLayout.h"
#include "editor/PreviewPainter.h"
#include "editor/SettingsPage.h"
#include "platform/drawing/DrawSurface.h"
#include "platform/shell/PaintedParts.h"

namespace abacor {

// Pages 1 and 2: the sample calculator at the top, painted from the sheet's
// settings copy on every paint.
class SamplePage : public SettingsPage, public PaintedPartsSource {
    Q_OBJECT
public:
    SamplePage(const DialogTemplate& dialog, SettingsRecord& record, const ScreenMetrics& screen);

    int EditorDivisor() const;
    const PreviewLayout& layout() const { return layout_; }
    const PreviewFonts& fonts() const { return fonts_; }
    QLabel* SampleDisplay() const;

    void CreatePreviewFonts();
    // For the sheet's screen as it is now; a new screen class brings new fonts.
    void LayoutPreview();
    // The sample's display takes the large font anew.
    void ApplyDisplayFont();
    // The page as it paints itself, the sample display included.
    QImage Render();
    // The sample, as assistive technology sees it.
    std::vector<PaintedPart> AccessibleParts() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The sample display's colours (its control-colour rule).
    void ApplyDisplayColours();
    // What a tap on the sample does, for assistive technology.
    QString sampleDescription_ = tr("電卓の見た目の見本です。");

private:
    PreviewFonts fonts_;
    ScreenMetrics fontsScreen_;  // the screen the fonts were made for
    PreviewLayout layout_;
};

}  // namespace abacor
