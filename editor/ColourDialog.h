#pragma once

#include <QDialog>

#include <array>
#include <memory>

#include "editor/ColorPalette.h"
#include "editor/DialogControls.h"
#include "platform/drawing/Color.h"
#include "platform/screen/ScreenMetrics.h"
#include "platform/shell/PaintedParts.h"

namespace abacor {

class SoftKeyBar;

// The colour chooser: an 80-colour palette, red, green and blue sliders with
// their values, and a swatch of the current colour. "OK" on the left soft
// key, "キャンセル" on the right.
class ColourDialog : public QDialog, public PaintedPartsSource {
    Q_OBJECT
public:
    explicit ColourDialog(const ScreenMetrics& screen, QWidget* parent = nullptr);
    ~ColourDialog() override;

    void SetColor(ColorRef color);
    ColorRef GetColor() const { return color_; }

    const DialogControls& controls() const { return *controls_; }
    SoftKeyBar* softKeyBar() const { return bar_; }
    PaletteGeometry Geometry() const;

    void PressAt(int x, int y);
    // A slider moved (or was asked to): the colour from the three positions.
    void OnHScroll();
    void UpdateColorControls();
    void OnCommand(int id);
    // The palette's cells, named by their colour as #RRGGBB; a press picks one.
    std::vector<PaintedPart> AccessibleParts() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    ScreenMetrics screen_;
    int divisor_;
    ColorRef color_ = 0;
    std::unique_ptr<DialogControls> controls_;
    SoftKeyBar* bar_ = nullptr;
};

}  // namespace abacor
