#include "editor/ColourDialog.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>

#include "editor/EditorMenus.h"
#include "editor/PreviewLayout.h"
#include "platform/drawing/DrawSurface.h"
#include "platform/shell/SoftKeyBar.h"

namespace abacor {

namespace {

struct Channel {
    int slider;
    int value;
    int label;
    ColorRef labelColor;
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
    setWindowTitle(QStringView(kColorDialogTemplate.caption).toString());
    resize(screen.width, screen.height);
    controls_ = std::make_unique<DialogControls>(kColorDialogTemplate, this, screen.dpiY, screen.width);
    for (const Channel& channel : kChannels) {
        QSlider* slider = controls_->Slider(channel.slider);
        slider->setRange(0, 255);
        slider->setPageStep(1);
        connect(slider, &QSlider::actionTriggered, this, [this] { OnHScroll(); });
        QLabel* label = controls_->Label(channel.label);
        QPalette colours = label->palette();
        colours.setColor(QPalette::WindowText, QColor::fromRgb(ToPixel(channel.labelColor)));
        label->setPalette(colours);
    }
    UpdateColorControls();
    bar_ = new SoftKeyBar(kColorDialogMenu, this);
    bar_->SetBarHeight(SoftKeyBar::kHeight / divisor_);
    connect(bar_, &SoftKeyBar::commandChosen, this, &ColourDialog::OnCommand);
}

ColourDialog::~ColourDialog() = default;

void ColourDialog::SetColor(ColorRef color)
{
    color_ = color & 0xFFFFFF;
    UpdateColorControls();
}

PaletteGeometry ColourDialog::Geometry() const { return ComputePaletteGeometry(screen_, divisor_); }

void ColourDialog::UpdateColorControls()
{
    for (const Channel& channel : kChannels) {
        const int value = static_cast<int>((color_ >> channel.shift) & 0xFF);
        controls_->Label(channel.value)->setText(QString::number(value));
        QSlider* slider = controls_->Slider(channel.slider);
        const QSignalBlocker quiet(slider);
        slider->setValue(value);
    }
    update();
}

void ColourDialog::OnHScroll()
{
    ColorRef color = 0;
    for (const Channel& channel : kChannels) {
        // A moving slider's new place is its position before its value follows.
        const int position = controls_->Slider(channel.slider)->sliderPosition();
        color |= static_cast<ColorRef>(position & 0xFF) << channel.shift;
    }
    color_ = color;
    UpdateColorControls();
}

void ColourDialog::PressAt(int x, int y)
{
    if (const auto entry = Geometry().EntryAt(x, y)) {
        color_ = kPalette[static_cast<std::size_t>(*entry)];
        UpdateColorControls();
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
            parts.push_back({QAccessible::Button,
                             QColor::fromRgb(ToPixel(colour)).name(QColor::HexRgb).toUpper(),
                             {},
                             {},
                             QRect(cell.left, cell.top, cell.Width(), cell.Height()),
                             [self, cell] { self->PressAt(cell.left + 1, cell.top + 1); }});
        }
    }
    return parts;
}

void ColourDialog::OnCommand(int id)
{
    if (id == IdColorOk)
        accept();
    else if (id == IdColorCancel)
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
    surface.FillRect(g.swatch, color_);
    surface.SelectPen(Pen::Solid(1, 0x000000));
    surface.MoveTo(g.swatch.left, g.swatch.top);
    surface.LineTo(g.swatch.left, g.swatch.bottom);
    surface.LineTo(g.swatch.right, g.swatch.bottom);
    surface.LineTo(g.swatch.right, g.swatch.top);
    surface.LineTo(g.swatch.left, g.swatch.top);
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
