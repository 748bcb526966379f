#include "platform/shell/PaintedParts.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QSlider>
#include <QWidget>

#include <algorithm>
#include <map>
#include <memory>
#include <optional>

namespace abacor {

namespace {

class PartsAccessible;

// One painted part, found again by its index at every question: the widget's
// parts may change between two.
class PartAccessible : public QAccessibleInterface, public QAccessibleActionInterface, public QAccessibleTextInterface {
public:
    PartAccessible(PartsAccessible* owner, int key) : owner_(owner), key_(key) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return Part().role; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleActionInterface
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

    // QAccessibleTextInterface: the static text, read only.
    void selection(int, int* start, int* end) const override
    {
        const PaintedPart part = Part();
        *start = 0;
        *end = part.selected ? static_cast<int>(part.text.size()) : 0;
    }
    // News is answered where a reader looks for the selection of an
    // insertion it is to speak, but not counted: so reading the text (focus,
    // where-am-I) does not add "selected".
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return Part().text.mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Part().text.size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

    // Kept valid while its removal is reported.
    void Retire(const PaintedPart& last) { retired_ = last; }

private:
    PaintedPart Part() const;

    PartsAccessible* owner_;
    int key_;
    std::optional<PaintedPart> retired_;
};

int KeyOf(const PaintedPart& part, std::size_t index) { return part.id >= 0 ? part.id : static_cast<int>(index); }

// A widget with painted parts: its child widgets, then one child per part.
class PartsAccessible : public QAccessibleWidget {
public:
    PartsAccessible(QWidget* widget, const PaintedPartsSource* source) : QAccessibleWidget(widget), source_(source) {}
    ~PartsAccessible() override
    {
        for (const auto& [key, id] : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    std::vector<PaintedPart> Parts() const { return source_->AccessibleParts(); }
    QWidget* Widget() const { return widget(); }
    int WidgetChildCount() const { return source_->PartsOnly() ? 0 : QAccessibleWidget::childCount(); }

    // A window of its own is a frame or a dialog to assistive technology,
    // not a filler.
    QAccessible::Role role() const override
    {
        if (!widget()->isWindow())
            return QAccessibleWidget::role();
        return qobject_cast<QDialog*>(widget()) != nullptr ? QAccessible::Dialog : QAccessible::Window;
    }
    int childCount() const override { return WidgetChildCount() + static_cast<int>(Parts().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = WidgetChildCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const std::vector<PaintedPart> parts = Parts();
        const int part = index - widgets;
        if (part < 0 || part >= static_cast<int>(parts.size()))
            return nullptr;
        return Part(KeyOf(parts[static_cast<std::size_t>(part)], static_cast<std::size_t>(part)));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const std::vector<PaintedPart> parts = Parts();
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const auto found = ids_.find(KeyOf(parts[i], i));
            if (found != ids_.end() && QAccessible::accessibleInterface(found->second) == child)
                return WidgetChildCount() + static_cast<int>(i);
        }
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const std::vector<PaintedPart> parts = Parts();
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (std::size_t i = 0; i < parts.size(); ++i)
            if (parts[i].rect.contains(local))
                return Part(KeyOf(parts[i], i));
        return QAccessibleWidget::childAt(x, y);
    }
    QAccessibleInterface* focusChild() const override
    {
        if (widget()->hasFocus()) {
            const std::vector<PaintedPart> parts = Parts();
            const auto focused = std::find_if(parts.cbegin(), parts.cend(),
                                              [](const PaintedPart& part) { return part.focusable && part.focused; });
            for (auto i = parts.cbegin(); i != parts.cend(); ++i)
                if (i->focusable && (focused == parts.cend() || i == focused))
                    return Part(KeyOf(*i, static_cast<std::size_t>(i - parts.cbegin())));
        }
        return QAccessibleWidget::focusChild();
    }

    // The part's interface, made and registered the first time it is asked for.
    QAccessibleInterface* Part(int key) const
    {
        auto found = ids_.find(key);
        if (found == ids_.end())
            found = ids_.emplace(key, QAccessible::registerAccessibleInterface(
                                          new PartAccessible(const_cast<PartsAccessible*>(this), key)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }
    QAccessibleInterface* PartAt(int index) const
    {
        const std::vector<PaintedPart> parts = Parts();
        if (index < 0 || index >= static_cast<int>(parts.size()))
            return nullptr;
        return Part(KeyOf(parts[static_cast<std::size_t>(index)], static_cast<std::size_t>(index)));
    }

    // Reports the parts handed out before that are gone now (and forgets
    // them, so that a client holding one finds it defunct) and the new ones.
    void Relaid()
    {
        const std::vector<PaintedPart> parts = Parts();
        std::map<int, const PaintedPart*> now;
        for (std::size_t i = 0; i < parts.size(); ++i)
            now.emplace(KeyOf(parts[i], i), &parts[i]);
        for (auto it = ids_.begin(); it != ids_.end();) {
            if (now.count(it->first) != 0) {
                ++it;
                continue;
            }
            auto* part = static_cast<PartAccessible*>(QAccessible::accessibleInterface(it->second));
            part->Retire(known_[it->first]);
            QAccessibleEvent removed(part, QAccessible::ObjectDestroyed);
            QAccessible::updateAccessibility(&removed);
            QAccessible::deleteAccessibleInterface(it->second);
            known_.erase(it->first);
            it = ids_.erase(it);
        }
        for (const auto& [key, part] : now) {
            const bool added = known_.count(key) == 0 && !known_.empty();
            known_[key] = *part;
            if (added) {
                QAccessibleEvent created(Part(key), QAccessible::ObjectCreated);
                QAccessible::updateAccessibility(&created);
            }
        }
    }

private:
    const PaintedPartsSource* source_;
    mutable std::map<int, QAccessible::Id> ids_;
    std::map<int, PaintedPart> known_;  // the parts of the last layout
};

bool PartAccessible::isValid() const
{
    if (retired_)
        return true;
    if (!owner_->isValid())
        return false;
    const std::vector<PaintedPart> parts = owner_->Parts();
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (KeyOf(parts[i], i) == key_)
            return true;
    return false;
}

PaintedPart PartAccessible::Part() const
{
    if (retired_)
        return *retired_;
    const std::vector<PaintedPart> parts = owner_->Parts();
    for (std::size_t i = 0; i < parts.size(); ++i)
        if (KeyOf(parts[i], i) == key_)
            return parts[i];
    return {};
}

QWindow* PartAccessible::window() const { return owner_->window(); }

QAccessibleInterface* PartAccessible::parent() const { return owner_; }

QString PartAccessible::text(QAccessible::Text t) const
{
    const PaintedPart part = Part();
    switch (t) {
    case QAccessible::Name: return part.name;
    case QAccessible::Description: return part.description;
    case QAccessible::Value: return part.text;
    default: return {};
    }
}

QRect PartAccessible::rect() const
{
    const QRect local = Part().rect;
    const QWidget* widget = owner_->Widget();
    return QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State PartAccessible::state() const
{
    const PaintedPart part = Part();
    QAccessible::State state;
    state.invisible = !owner_->Widget()->isVisible();
    state.readOnly = part.role == QAccessible::StaticText || part.role == QAccessible::EditableText;
    state.focusable = part.focusable;
    if (part.role == QAccessible::PageTab) {
        state.selectable = true;
        state.selected = part.selected;
        state.focused = part.focused;
        return state;
    }
    state.focused = part.focusable && (part.focused || owner_->Widget()->hasFocus());
    return state;
}

void* PartAccessible::interface_cast(QAccessible::InterfaceType type)
{
    const PaintedPart part = Part();
    if (type == QAccessible::ActionInterface && part.press)
        return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::TextInterface &&
        (part.role == QAccessible::StaticText || part.role == QAccessible::EditableText))
        return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
}

QStringList PartAccessible::keyBindingsForAction(const QString& actionName) const
{
    const PaintedPart part = Part();
    if (actionName == pressAction() && !part.keyBinding.isEmpty())
        return {part.keyBinding};
    return {};
}

QStringList PartAccessible::actionNames() const { return Part().press ? QStringList{pressAction()} : QStringList{}; }

void PartAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction()) {
        if (const auto press = Part().press)
            press();
    }
}

// The application as assistive technology sees it, open popup menus among
// its windows: Qt reports a popup's parent as the application but leaves it
// out of the children, and a reader takes a menu without a place for a dead
// one and does not say its name.
class ApplicationAccessible : public QAccessibleApplication {
public:
    int childCount() const override { return QAccessibleApplication::childCount() + static_cast<int>(Popups().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows)
            return QAccessibleApplication::child(index);
        const QList<QMenu*> popups = Popups();
        return index - windows < popups.size() ? QAccessible::queryAccessibleInterface(popups[index - windows])
                                               : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const int index = QAccessibleApplication::indexOfChild(child);
        if (index >= 0 || child == nullptr)
            return index;
        const int popup = static_cast<int>(Popups().indexOf(qobject_cast<QMenu*>(child->object())));
        return popup >= 0 ? QAccessibleApplication::childCount() + popup : -1;
    }

private:
    static QList<QMenu*> Popups()
    {
        QList<QMenu*> open;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* menu = qobject_cast<QMenu*>(widget); menu != nullptr && menu->isVisible())
                open.append(menu);
        return open;
    }
};

// Asked for its scale at every question: the interface is made when the
// slider is first named, before its owner says what its value counts.
class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(AccessibleSlider* slider) : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        return Slider()->ReadsInHundredths() ? QString::asprintf("%.2f%%", Slider()->value() / 100.0)
                                             : QString::number(Slider()->value());
    }
    QVariant currentValue() const override { return Slider()->value() / Scale(); }
    // As a user's move: the slider's owner follows actionTriggered.
    void setCurrentValue(const QVariant& value) override
    {
        Slider()->setSliderPosition(qRound(value.toDouble() * Scale()));
        Slider()->triggerAction(QAbstractSlider::SliderMove);
    }
    QVariant maximumValue() const override { return Slider()->maximum() / Scale(); }
    QVariant minimumValue() const override { return Slider()->minimum() / Scale(); }
    QVariant minimumStepSize() const override { return Slider()->singleStep() / Scale(); }

private:
    AccessibleSlider* Slider() const { return static_cast<AccessibleSlider*>(widget()); }
    double Scale() const { return Slider()->ReadsInHundredths() ? 100.0 : 1.0; }
};

// The list's current text as a read-only text, all of it selected: a reader
// speaks a selected insertion, which is how a change reaches it.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ComboAccessible(AccessibleComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? Shown() : QAccessibleWidget::text(t);
    }
    // The popup's list, as Qt's own interface has it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(Combo()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == Combo()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = Combo()->view()->isVisible();
        return s;
    }
    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << showMenuAction() << pressAction();
    }
    void doAction(const QString& name) override
    {
        if (name == showMenuAction() || name == pressAction())
            Combo()->view()->isVisible() ? Combo()->hidePopup() : Combo()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

    // QAccessibleTextInterface
    void selection(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
    }
    int selectionCount() const override { return characterCount() > 0 ? 1 : 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return Shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    QRect characterRect(int) const override { return rect(); }
    int offsetAtPoint(const QPoint&) const override { return 0; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    AccessibleComboBox* Combo() const { return static_cast<AccessibleComboBox*>(widget()); }
    // With nothing chosen, what the list says it holds ("選んでください").
    QString Shown() const { return Combo()->currentIndex() < 0 ? Combo()->placeholderText() : Combo()->currentText(); }
};

// A notice is a notification named by its text: what a reader says of it.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(AccessibleNotice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<AccessibleNotice*>(widget())->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object)
{
    if (auto* notice = qobject_cast<AccessibleNotice*>(object))
        return new NoticeAccessible(notice);
    if (auto* combo = qobject_cast<AccessibleComboBox*>(object))
        return new ComboAccessible(combo);
    if (auto* slider = qobject_cast<AccessibleSlider*>(object))
        return new SliderAccessible(slider);
    if (object == QCoreApplication::instance() && qobject_cast<QApplication*>(object) != nullptr)
        return new ApplicationAccessible;
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (const auto* source = dynamic_cast<const PaintedPartsSource*>(widget))
        return new PartsAccessible(widget, source);
    return nullptr;
}

}  // namespace

void InstallPaintedPartsAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(Factory);
    installed = true;
}

namespace {

PartsAccessible* PartsOf(QWidget* widget)
{
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<PartsAccessible*>(QAccessible::queryAccessibleInterface(widget));
}

}  // namespace

AccessibleComboBox::AccessibleComboBox(QWidget* parent) : QComboBox(parent)
{
    connect(this, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (QAccessible::isActive() && !text.isEmpty()) {
            QAccessibleTextInsertEvent inserted(this, 0, text);
            QAccessible::updateAccessibility(&inserted);
        }
    });
}

AccessibleNotice::AccessibleNotice(QWidget* parent) : QLabel(parent)
{
    setWordWrap(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    hide();
}

void AccessibleNotice::Show(const QString& text)
{
    setText(text);
    setVisible(!text.isEmpty());
}

void AccessibleNotice::Say(const QString& text)
{
    const bool shown = isVisible();
    Show(text);
    // Showing is what a reader says of a notification: told again when it
    // was shown already.
    if (shown && !text.isEmpty() && QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
}

void NotifyPartTextChanged(QWidget* widget, int index, const QString& previous, const QString& text, bool removed)
{
    if (PartsAccessible* parts = PartsOf(widget))
        if (QAccessibleInterface* part = parts->PartAt(index)) {
            // The new text is inserted before the old one goes: a reader then
            // weighs the removal against the new selection, and does not say
            // "selection deleted" when a selected result gives way.
            if (!text.isEmpty()) {
                QAccessibleTextInsertEvent inserted(part, 0, text);
                QAccessible::updateAccessibility(&inserted);
            }
            if (!previous.isEmpty() && removed) {
                QAccessibleTextRemoveEvent removal(part, static_cast<int>(text.size()), previous);
                QAccessible::updateAccessibility(&removal);
            }
        }
}

std::vector<PaintedPart> AccessibleTabBar::AccessibleParts() const
{
    std::vector<PaintedPart> tabs;
    for (int index = 0; index < count(); ++index) {
        PaintedPart tab{QAccessible::PageTab,
                        tabText(index),
                        tabToolTip(index),
                        {},
                        tabRect(index),
                        [bar = const_cast<AccessibleTabBar*>(this), index] { bar->setCurrentIndex(index); },
                        index};
        tab.focusable = true;
        tab.selected = index == currentIndex();
        tab.focused = tab.selected && hasFocus();
        tabs.push_back(std::move(tab));
    }
    return tabs;
}

void AccessibleTabBar::focusInEvent(QFocusEvent* event)
{
    QTabBar::focusInEvent(event);
    QMetaObject::invokeMethod(
        this, [this] { NotifyPartFocused(this, currentIndex()); }, Qt::QueuedConnection);
}

void NotifyPartFocused(QWidget* widget, int index)
{
    if (PartsAccessible* parts = PartsOf(widget))
        if (QAccessibleInterface* part = parts->PartAt(index)) {
            QAccessibleEvent focus(part, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
}

void NotifyPartsChanged(QWidget* widget)
{
    // Not Qt's reorder event: on Linux it reaches clients as a signal of a
    // shape they reject. Parts handed out are retired even with no reader
    // active: whoever asked holds them.
    if (auto* parts = dynamic_cast<PartsAccessible*>(QAccessible::queryAccessibleInterface(widget)))
        parts->Relaid();
}

}  // namespace abacor
