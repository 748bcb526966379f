#pragma once

#include <QDialog>

#include <array>
#include <memory>

#include "editor/ColourPalette.h"
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

    void SetColour(ColorRef colour);
    ColorRef GetColour() const { return colour_; }
    // The colour item being edited, which assistive technology hears with
    // the dialog's title.
    void SetItemName(const QString& name);

    const DialogControls& controls() const { return *controls_; }
    SoftKeyBar* softKeyBar() const { return bar_; }
    PaletteGeometry Geometry() const;

    void PressAt(int x, int y);
    // A slider moved (or was asked to): the colour from the three positions.
    void OnHScroll();
    void UpdateColourControls();
    void OnCommand(int id);
    // The palette's cells, named by their colour as #RRGGBB; a press picks one.
    std::vector<PaintedPart> AccessibleParts() const override;

protected:
    // The palette is a grid for the keyboard: the arrows move among the
    // cells and pick the colour; Return is OK, Escape cancels.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FollowColour();
    // The part index of a cell: the parts are the cells, column by column.
    int CellPart() const { return cellColumn_ * Geometry().rows + cellRow_; }

    ScreenMetrics screen_;
    int cellColumn_ = 0;  // the keyboard's cell
    int cellRow_ = 0;
    bool keyboardUsed_ = false;  // the keyboard's cell is drawn once used
    int divisor_;
    ColorRef colour_ = 0;
    std::unique_ptr<DialogControls> controls_;
    SoftKeyBar* bar_ = nullptr;
};

}  // namespace abacor
