#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace abacor {

// A part of a window that is painted rather than a widget of its own (a key,
// a display box, a soft key, a palette cell), as assistive technology sees it.
struct PaintedPart {
    QAccessible::Role role = QAccessible::Button;
    QString name;
    QString description;
    QString text;                 // what a static text shows
    QRect rect;                   // in the widget's (logical) coordinates
    std::function<void()> press;  // the "press" action; none when empty
};

// A widget that paints parts of itself lists them here; its accessible
// children are its child widgets, then these parts.
class PaintedPartsSource {
public:
    virtual ~PaintedPartsSource() = default;
    virtual std::vector<PaintedPart> AccessibleParts() const = 0;
};

// Makes Qt's accessibility see the parts of every PaintedPartsSource widget.
// Call once, after the application object exists.
void InstallPaintedPartsAccessibility();

// Tells assistive technology that part index of widget now shows text
// instead of previous; and that the widget's parts were laid out anew.
void NotifyPartTextChanged(QWidget* widget, int index, const QString& previous, const QString& text);
void NotifyPartsChanged(QWidget* widget);

}  // namespace abacor
