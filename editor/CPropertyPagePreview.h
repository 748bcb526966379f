#pragma once

#include <QLabel>

#include "editor/CPropertyPage.h"
#include "editor/PreviewLayout.h"
#include "editor/PreviewPainter.h"
#include "platform/drawing/DrawSurface.h"

namespace abacor {

// Pages 1 and 2: the sample calculator at the top, painted from the sheet's
// settings copy on every paint.
class CPropertyPagePreview : public CPropertyPage {
    Q_OBJECT
public:
    CPropertyPagePreview(const DialogTemplate& dialog, CPropertySheet1* sheet);

    int EditorDivisor() const { return divisor_; }
    double EditorScale() const { return scale_; }
    const PreviewLayout& layout() const { return layout_; }
    const PreviewFonts& fonts() const { return fonts_; }
    QLabel* SampleDisplay() const;

    void CreatePreviewFonts();
    void LayoutPreview();
    // The sample's display takes the large font anew.
    void ApplyDisplayFont();
    // The page as it paints itself, the sample display included.
    QImage Render();

protected:
    void paintEvent(QPaintEvent* event) override;
    // The sample display's colours (its control-colour rule).
    void ApplyDisplayColours();

private:
    int divisor_;
    double scale_;
    PreviewFonts fonts_;
    PreviewLayout layout_;
};

}  // namespace abacor
