#pragma once

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QRect>
#include <QSlider>
#include <QString>
#include <QTabBar>
#include <QTabWidget>

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
    // The part's identity across layouts: a client holding the part keeps
    // the same key or finds it gone. -1: its place in the list.
    int id = -1;
    QString keyBinding{};    // the keyboard key that does what "press" does
    bool focusable = false;  // the window's focus, as a read-only text
    bool selected = false;   // the whole text is selected; a tab: the current one
    bool focused = false;    // focusable and the focus, whoever has the widget's
};

// A widget that paints parts of itself lists them here; its accessible
// children are its child widgets, then these parts.
class PaintedPartsSource {
public:
    virtual ~PaintedPartsSource() = default;
    virtual std::vector<PaintedPart> AccessibleParts() const = 0;
    // The parts are all there is: child widgets are not listed.
    virtual bool PartsOnly() const { return false; }
};

// A slider assistive technology may read in other units than its steps; a
// class of its own, since Qt's own interface for QSlider takes precedence.
class AccessibleSlider : public QSlider {
    Q_OBJECT
public:
    explicit AccessibleSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent) {}
    // The value counts hundredths (a rate): read and set as the number
    // shown, 5.00 for 500.
    void ReadInHundredths() { hundredths_ = true; }
    bool ReadsInHundredths() const { return hundredths_; }

private:
    bool hundredths_ = false;
};

// A drop-down list a screen reader reads by its value as well as its label:
// Qt 6.4's bridge names a labelled list by its label and gives no value, and
// a change of its value on a closed list reaches no reader. Its text is the
// current item's, told on every change.
class AccessibleComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit AccessibleComboBox(QWidget* parent);
};

// Page tabs a screen reader counts right: Qt 6.4 lists the bar's two scroll
// buttons among the tabs ("1 of 6" for four pages).
class AccessibleTabBar : public QTabBar, public PaintedPartsSource {
    Q_OBJECT
public:
    explicit AccessibleTabBar(QWidget* parent) : QTabBar(parent) {}
    std::vector<PaintedPart> AccessibleParts() const override;
    bool PartsOnly() const override { return true; }

protected:
    // The bar's own focus is told as its current tab's.
    void focusInEvent(QFocusEvent* event) override;
};

class AccessibleTabWidget : public QTabWidget {
    Q_OBJECT
public:
    explicit AccessibleTabWidget(QWidget* parent) : QTabWidget(parent) { setTabBar(new AccessibleTabBar(this)); }
};

// A line of news (nothing found, the tape not kept): a label to the eye and
// a notification a screen reader says when it is given, since Qt 6.4 has no
// announcement of its own. Empty, it is hidden.
class AccessibleNotice : public QLabel {
    Q_OBJECT
public:
    explicit AccessibleNotice(QWidget* parent);
    // Shown and said, again when it is the same text.
    void Say(const QString& text);
    // Shown without being said (a state the reader hears where it looks).
    void Show(const QString& text);
};

// Makes Qt's accessibility see the parts of every PaintedPartsSource widget.
// Call once, after the application object exists.
void InstallPaintedPartsAccessibility();

// Tells assistive technology that part index of widget now shows text
// instead of previous.
// With removed false only the new text is told: a reader that speaks what a
// Delete or a BackSpace removed (Orca does) then says the new text alone.
void NotifyPartTextChanged(QWidget* widget, int index, const QString& previous, const QString& text,
                           bool removed = true);
// The focusable part index has the focus now.
void NotifyPartFocused(QWidget* widget, int index);
// The widget's parts were laid out anew: parts that are gone are reported
// removed (a client holding one finds it defunct), new ones added.
void NotifyPartsChanged(QWidget* widget);

}  // namespace abacor
