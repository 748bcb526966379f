#include "editor/ColourDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>

#include <algorithm>

#include "editor/EditorMenus.h"
#include "editor/PreviewLayout.h"
#include "platform/drawing/DrawSurface.h"
#include "platform/shell/SoftKeyBar.h"
#include "platform/shell/Translated.h"

namespace abacor {

namespace {

struct Channel {
    int slider;
    int value;
    int label;
    ColorRef labelColour;
    int shift;
};

constexpr Channel kChannels[] = {
    {IdcRedSlider, IdcRedValue, IdcRedLabel, 0x0000E0, 0},
    {IdcGreenSlider, IdcGreenValue, IdcGreenLabel, 0x00E000, 8},
    {IdcBlueSlider, IdcBlueValue, IdcBlueLabel, 0xE00000, 16},
};

}  // namespace

ColourDialog::ColourDialog(const ScreenMetrics& screen, QWidget* parent)
    : QDialog(parent), screen_(screen), divisor_(EditorDivisor(screen))
{
    setWindowTitle(Translated("Editor", kColourDialogTemplate.caption));
    resize(screen.width, screen.height);
    controls_ = std::make_unique<DialogControls>(kColourDialogTemplate, this, screen.dpiY, screen.width);
    for (const Channel& channel : kChannels) {
        QSlider* slider = controls_->Slider(channel.slider);
        slider->setRange(0, 255);
        slider->setPageStep(1);
        connect(slider, &QSlider::actionTriggered, this, [this] { OnHScroll(); });
        QLabel* label = controls_->Label(channel.label);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor::fromRgb(ToPixel(channel.labelColour)));
        label->setPalette(colours);
    }
    UpdateColourControls();
    bar_ = new SoftKeyBar(kColourDialogMenu, this);
    bar_->SetBarHeight(SoftKeyBar::kHeight / divisor_);
    connect(bar_, &SoftKeyBar::commandChosen, this, &ColourDialog::OnCommand);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourDialog::SetItemName(const QString& name) { setAccessibleName(windowTitle() + u' ' + name); }

void ColourDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    setFocus();  // the palette first, before the sliders
}

void ColourDialog::focusInEvent(QFocusEvent* event)
{
    QDialog::focusInEvent(event);
    NotifyPartFocused(this, CellPart());
}

void ColourDialog::keyPressEvent(QKeyEvent* event)
{
    const PaletteGeometry g = Geometry();
    int column = cellColumn_;
    int row = cellRow_;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: accept(); return;
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    default: QDialog::keyPressEvent(event); return;
    }
    cellColumn_ = std::clamp(column, 0, g.columns - 1);
    cellRow_ = std::clamp(row, 0, g.rows - 1);
    keyboardUsed_ = true;
    colour_ = kPalette[static_cast<std::size_t>(g.Entry(cellColumn_, cellRow_))];
    UpdateColourControls();
    NotifyPartFocused(this, CellPart());
}

ColourDialog::~ColourDialog() = default;

void ColourDialog::SetColour(ColorRef colour)
{
    colour_ = colour & 0xFFFFFF;
    FollowColour();
    UpdateColourControls();
}

void ColourDialog::FollowColour()
{
    // The keyboard's cell goes where the colour is in the palette, if it is.
    const PaletteGeometry g = Geometry();
    for (int column = 0; column < g.columns; ++column)
        for (int row = 0; row < g.rows; ++row)
            if (kPalette[static_cast<std::size_t>(g.Entry(column, row))] == colour_) {
                cellColumn_ = column;
                cellRow_ = row;
                return;
            }
}

PaletteGeometry ColourDialog::Geometry() const { return ComputePaletteGeometry(screen_, divisor_); }

void ColourDialog::UpdateColourControls()
{
    for (const Channel& channel : kChannels) {
        const int value = static_cast<int>((colour_ >> channel.shift) & 0xFF);
        controls_->Label(channel.value)->setText(QString::number(value));
        QSlider* slider = controls_->Slider(channel.slider);
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    }
    update();
}

void ColourDialog::OnHScroll()
{
    ColorRef colour = 0;
    for (const Channel& channel : kChannels) {
        // A moving slider's new place is its position before its value follows.
        const int position = controls_->Slider(channel.slider)->sliderPosition();
        colour |= static_cast<ColorRef>(position & 0xFF) << channel.shift;
    }
    colour_ = colour;
    UpdateColourControls();
}

void ColourDialog::PressAt(int x, int y)
{
    if (const auto entry = Geometry().EntryAt(x, y)) {
        colour_ = kPalette[static_cast<std::size_t>(*entry)];
        FollowColour();
        UpdateColourControls();
    }
}

std::vector<PaintedPart> ColourDialog::AccessibleParts() const
{
    const PaletteGeometry geometry = Geometry();
    std::vector<PaintedPart> parts;
    for (int column = 0; column < geometry.columns; ++column) {
        for (int row = 0; row < geometry.rows; ++row) {
            const Rect cell = geometry.Cell(column, row);
            const ColorRef colour = kPalette[static_cast<std::size_t>(geometry.Entry(column, row))];
            auto* self = const_cast<ColourDialog*>(this);
            PaintedPart part{QAccessible::Button,
                             QColor::fromRgb(ToPixel(colour)).name(QColor::HexRgb).toUpper(),
                             {},
                             {},
                             QRect(cell.left, cell.top, cell.Width(), cell.Height()),
                             [self, cell] { self->PressAt(cell.left + 1, cell.top + 1); }};
            part.focusable = column == cellColumn_ && row == cellRow_;
            parts.push_back(std::move(part));
        }
    }
    return parts;
}

void ColourDialog::OnCommand(int id)
{
    if (id == IdColourOk)
        accept();
    else if (id == IdColourCancel)
        reject();
}

void ColourDialog::paintEvent(QPaintEvent*)
{
    const PaletteGeometry g = Geometry();
    DrawSurface surface(width(), height());
    surface.FillRect({0, 0, width(), height()}, FromPixel(palette().color(QPalette::Window).rgb()));
    for (int column = 0; column < g.columns; ++column)
        for (int row = 0; row < g.rows; ++row)
            surface.FillRect(g.Cell(column, row), kPalette[static_cast<std::size_t>(g.Entry(column, row))]);
    surface.FillRect(g.swatch, colour_);
    surface.SelectPen(Pen::Solid(1, 0x000000));
    const auto frame = [&surface](const Rect& r) {
        surface.MoveTo(r.left, r.top);
        surface.LineTo(r.left, r.bottom);
        surface.LineTo(r.right, r.bottom);
        surface.LineTo(r.right, r.top);
        surface.LineTo(r.left, r.top);
    };
    frame(g.swatch);
    if (keyboardUsed_ && hasFocus()) {
        const Rect cell = g.Cell(cellColumn_, cellRow_);
        frame({cell.left - 1, cell.top - 1, cell.right, cell.bottom});
    }
    QPainter painter(this);
    painter.drawImage(0, 0, surface.Image());
}

void ColourDialog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        PressAt(event->position().toPoint().x(), event->position().toPoint().y());
    QDialog::mousePressEvent(event);
}

void ColourDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    screen_.width = width();
    screen_.height = height();
}

}  // namespace abacor
