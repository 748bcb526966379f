#include "editor/DialogControls.h"

#include <QStyleOptionButton>
#include <QStyledItemDelegate>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <cstdlib>

#include "platform/shell/PaintedParts.h"
#include "platform/shell/Translated.h"
#include "text/Translatable.h"

namespace abacor {

namespace {

// Captions as short as the phone's screen, which a listener hears in full
// where a language needs more words ("Portrait, upper left" for "Left:").
constexpr std::u16string_view kSpokenCaptions[] = {
    ABACOR_TRANSLATABLE("Spoken", u"縦(左上)："),
    ABACOR_TRANSLATABLE("Spoken", u"縦(右下)："),
    ABACOR_TRANSLATABLE("Spoken", u"縦(右上)："),
    ABACOR_TRANSLATABLE("Spoken", u"横："),
};

// The caption as a screen reader is to say it.
QString SpokenCaption(std::u16string_view caption)
{
    const bool longer =
        std::find(std::begin(kSpokenCaptions), std::end(kSpokenCaptions), caption) != std::end(kSpokenCaptions);
    return Translated(longer ? "Spoken" : "Editor", caption);
}

QWidget* MakeControl(const ControlTemplate& control, QWidget* parent)
{
    switch (control.kind) {
    case ControlKind::Static:
    case ControlKind::StaticRight:
    case ControlKind::StaticRightCentred: {
        auto* label = new QLabel(Translated("Editor", control.text), parent);
        const Qt::Alignment vertical =
            control.kind == ControlKind::StaticRightCentred ? Qt::AlignVCenter : Qt::AlignTop;
        label->setAlignment((control.kind == ControlKind::Static ? Qt::AlignLeft : Qt::AlignRight) | vertical);
        return label;
    }
    case ControlKind::DropDownList: {
        auto* combo = new AccessibleComboBox(parent);
        combo->setEditable(false);
        return combo;
    }
    case ControlKind::PushButton: return new QPushButton(Translated("Editor", control.text), parent);
    case ControlKind::CheckBox: return new QCheckBox(Translated("Editor", control.text), parent);
    case ControlKind::Slider: {
        auto* slider = new AccessibleSlider(parent);
        slider->setTickPosition(QSlider::NoTicks);
        return slider;
    }
    case ControlKind::GroupBox: return new QGroupBox(Translated("Editor", control.text), parent);
    }
    return nullptr;
}

// A list's field, without its opened list.
constexpr int kFieldHeight = 14;  // dialog units

// The width a text control needs for its text: a button's text and its
// padding (a style's wider minimum for dialog buttons is not a need).
int NeededWidth(const QWidget* widget)
{
    const auto* button = qobject_cast<const QPushButton*>(widget);
    if (button == nullptr)
        return widget->sizeHint().width();
    QStyleOptionButton option;
    option.initFrom(button);
    constexpr int kWide = 1000;
    const int padding =
        button->style()->sizeFromContents(QStyle::CT_PushButton, &option, {kWide, 0}, button).width() - kWide;
    QString lines = button->text();
    lines.remove(u'&');
    int text = 0;
    for (const QString& line : lines.split(u'\n'))
        text = std::max(text, button->fontMetrics().horizontalAdvance(line));
    return text + padding;
}

// The height of a text of one or two lines.
int NeededHeight(const QWidget* widget)
{
    const int lines = widget->property("text").toString().count(u'\n') + 1;
    return qobject_cast<const QLabel*>(widget) != nullptr ? widget->sizeHint().height()
                                                          : lines * widget->fontMetrics().lineSpacing();
}
// A smaller font, a pixel at a time, until the widget is no wider than width:
// down to half the dialog's, never below what still reads on the smallest screen.
void ShrinkToWidth(QWidget* widget, int width)
{
    constexpr int kLegiblePixels = 9;
    QFont font = widget->font();
    const int smallest = std::min(font.pixelSize(), std::max(font.pixelSize() / 2, kLegiblePixels));
    while (NeededWidth(widget) > width && font.pixelSize() > smallest) {
        font.setPixelSize(font.pixelSize() - 1);
        widget->setFont(font);
    }
}

// Where even the smallest legible font is too wide, a text takes a second
// line if the room below it holds one: broken at the space that leaves the
// narrower text, else within a word. Returns whether it fits.
bool BreakInTwo(QWidget* widget, const Rect& placed, int width, int bottomLimit)
{
    const QString text = widget->property("text").toString();
    const auto broken = [&](qsizetype at) {
        return text.at(at) == u' ' ? QString(text).replace(at, 1, u'\n') : QString(text).insert(at, u'\n');
    };
    const auto widthOf = [&](const QString& lines) {
        widget->setProperty("text", lines);
        return NeededWidth(widget);
    };
    qsizetype best = -1;
    int bestWidth = 0;
    for (const bool withinWords : {false, true}) {
        for (qsizetype at = 1; at + 1 < text.size(); ++at) {
            if ((text.at(at) == u' ') == withinWords || text.at(at - 1) == u'&')
                continue;
            if (const int w = widthOf(broken(at)); w <= width && (best < 0 || w < bestWidth)) {
                best = at;
                bestWidth = w;
            }
        }
        if (best >= 0)
            break;
    }
    widget->setProperty("text", best >= 0 ? broken(best) : text);
    const int height = std::max(placed.Height(), NeededHeight(widget));
    if (best < 0 || placed.top + height > bottomLimit) {
        widget->setProperty("text", text);
        return false;
    }
    // A listener hears the text whole.
    widget->setAccessibleName(QString(text).remove(u'&'));
    widget->setGeometry(widget->x(), placed.top, widget->width(), height);
    return true;
}

// Text controls whose text is wider than the template allows (the fallback
// faces, a longer language) grow to the right up to the next control on
// their row or the dialog's edge (a right-aligned one to the left, up to the
// control before it), then take a smaller font, then a second line.
void FitText(QWidget* widget, ControlKind kind, const Rect& placed, int leftLimit, int rightLimit, int bottomLimit)
{
    const bool text = kind == ControlKind::Static || kind == ControlKind::StaticRight ||
                      kind == ControlKind::CheckBox || kind == ControlKind::PushButton;
    const bool rightAligned = kind == ControlKind::StaticRight;
    const int available = std::max(rightAligned ? placed.right - leftLimit : rightLimit - placed.left, 1);
    if (!text)
        return;
    // A template wider than its room (the design's rows overlap) ends at the next control.
    if (NeededWidth(widget) <= std::min(placed.Width(), available)) {
        if (placed.Width() > available)
            widget->setGeometry(rightAligned ? placed.right - available : placed.left, placed.top, available,
                                placed.Height());
        return;
    }
    ShrinkToWidth(widget, available);
    const int width = std::min(NeededWidth(widget), available);
    const int left = rightAligned ? std::max(placed.right - width, leftLimit) : placed.left;
    widget->setGeometry(left, placed.top, std::max(width, std::min(placed.Width(), available)), placed.Height());
    if (NeededWidth(widget) > available && BreakInTwo(widget, placed, available, bottomLimit))
        widget->setGeometry(rightAligned ? placed.right - available : placed.left, widget->y(), available,
                            widget->height());
}

// Items of an opened drop-down list, all of one height.
class FixedHeightItems : public QStyledItemDelegate {
public:
    FixedHeightItems(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};

}  // namespace

void DialogControls::FitList(QComboBox* list) { ShrinkToWidth(list, list->width()); }

void DialogControls::SetListHeight(QComboBox* list, int height)
{
    list->setFixedHeight(height);
    list->setItemDelegate(new FixedHeightItems(height, list));
}

namespace {
// The label beside a list or a slider: the nearest static text to its left
// on the same row, else the nearest one above it in the same column.

const ControlTemplate* LabelOf(const ControlTemplate& control, std::span<const ControlTemplate> controls)
{
    const ControlTemplate* best = nullptr;
    int bestDistance = 0;
    for (const ControlTemplate& label : controls) {
        if (label.kind != ControlKind::Static || label.text.empty())
            continue;
        // A label beside a control shares at least half its height with the
        // control's field (a drop-down list's height is its opened list's); a
        // label above a row of lists may touch their tops, and is not beside.
        const int field = std::min(control.h, kFieldHeight);
        const int overlap = std::min(label.y + label.h, control.y + field) - std::max(label.y, control.y);
        const bool sameRow = 2 * overlap >= label.h;
        const bool sameColumn = label.x < control.x + control.w && control.x < label.x + label.w;
        int distance = 0;
        if (sameRow && label.x < control.x)
            distance = control.x - label.x;
        else if (sameColumn && label.y < control.y)
            distance = 1000 + control.y - label.y + std::abs(label.x - control.x);  // the best aligned
        else
            continue;
        if (best == nullptr || distance < bestDistance) {
            best = &label;
            bestDistance = distance;
        }
    }
    return best;
}
}  // namespace

DialogControls::DialogControls(const DialogTemplate& dialog, QWidget* parent, int dpiY, int maxRight)
    : units_(DialogUnits::DialogFont(9, dpiY))
{
    parent->setFont(DialogUnits::DialogFont(9, dpiY));
    std::map<const ControlTemplate*, QWidget*> made;
    for (const ControlTemplate& control : dialog.controls) {
        QWidget* widget = MakeControl(control, parent);
        made[&control] = widget;
        const Rect r = units_.ToPixels(control.x, control.y, control.w, control.h);
        widget->setGeometry(r.left, r.top, r.Width(), r.Height());
        int left = 0;
        int right = std::min(units_.ToPixelsX(dialog.width), maxRight);
        int bottom = units_.ToPixelsY(dialog.height);
        for (const ControlTemplate& other : dialog.controls) {
            // A list's template is as tall as its opened list: its row is its field's.
            const auto tall = [](const ControlTemplate& c) {
                return c.kind == ControlKind::DropDownList ? std::min(c.h, kFieldHeight) : c.h;
            };
            const int overlap =
                std::min(control.y + tall(control), other.y + tall(other)) - std::max(control.y, other.y);
            const bool sameRow = 2 * overlap >= std::min(tall(control), tall(other));
            const bool sameColumn = other.x < control.x + control.w && control.x < other.x + other.w;
            if (&other == &control)
                continue;
            if (other.kind == ControlKind::GroupBox) {
                // Within a frame, a second line ends above its bottom edge.
                if (sameColumn && other.y < control.y && control.y < other.y + other.h)
                    bottom = std::min(bottom, units_.ToPixelsY(other.y + other.h - 3));
                continue;
            }
            if (sameColumn && other.y >= control.y + tall(control))
                bottom = std::min(bottom, units_.ToPixelsY(other.y));
            if (!sameRow)
                continue;
            // A dialog unit's gap, so that texts never touch.
            if (other.x > control.x)
                right = std::min(right, units_.ToPixelsX(other.x - 1));
            else if (other.x + other.w <= control.x + control.w)
                left = std::max(left, units_.ToPixelsX(other.x + other.w + 1));
        }
        FitText(widget, control.kind, r, left, right, bottom);
        if (control.id != 0) {
            places_[control.id] = {control.kind, r, left, right, bottom};
            widget->setObjectName(QString::number(control.id));
            controls_[control.id] = widget;
        }
        // Lists and sliders are named by their label, not by their value.
        if (control.kind == ControlKind::DropDownList || control.kind == ControlKind::Slider) {
            if (const ControlTemplate* label = LabelOf(control, dialog.controls)) {
                QString name = SpokenCaption(label->text);
                while (name.endsWith(u'：') || name.endsWith(u':'))
                    name.chop(1);
                widget->setAccessibleName(name);
            }
        }
    }
    // Screen readers find a list's name through its label (labelled-by),
    // where the accessible name alone is not read.
    for (const ControlTemplate& control : dialog.controls) {
        if (control.kind != ControlKind::DropDownList && control.kind != ControlKind::Slider)
            continue;
        if (const ControlTemplate* label = LabelOf(control, dialog.controls))
            if (auto* text = qobject_cast<QLabel*>(made[label])) {
                text->setBuddy(made[&control]);
                if (const QString spoken = SpokenCaption(label->text); spoken != text->text())
                    text->setAccessibleName(spoken);
            }
    }
}

QWidget* DialogControls::Control(int id) const
{
    const auto found = controls_.find(id);
    Q_ASSERT_X(found != controls_.end(), "DialogControls::Control", "no control of that id in the template");
    return found == controls_.end() ? nullptr : found->second;
}

void DialogControls::SetText(int id, const QString& text)
{
    QLabel* label = Label(id);
    const auto place = places_.find(id);
    if (label == nullptr || place == places_.end())
        return;
    label->setText(text);
    if (label->buddy() == nullptr)
        label->setAccessibleName({});
    label->setFont(label->parentWidget()->font());
    label->setGeometry(place->second.placed.left, place->second.placed.top, place->second.placed.Width(),
                       place->second.placed.Height());
    FitText(label, place->second.kind, place->second.placed, place->second.leftLimit, place->second.rightLimit,
            place->second.bottomLimit);
}

QLabel* DialogControls::Label(int id) const { return qobject_cast<QLabel*>(Control(id)); }
QComboBox* DialogControls::Combo(int id) const { return qobject_cast<QComboBox*>(Control(id)); }
QCheckBox* DialogControls::Check(int id) const { return qobject_cast<QCheckBox*>(Control(id)); }
QSlider* DialogControls::Slider(int id) const { return qobject_cast<QSlider*>(Control(id)); }
QPushButton* DialogControls::Button(int id) const { return qobject_cast<QPushButton*>(Control(id)); }

}  // namespace abacor
