#include "platform/shell/PaintedParts.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace abacor {

namespace {

class PartsAccessible;

// One painted part, found again by its index at every question: the widget's
// parts may change between two.
class PartAccessible : public QAccessibleInterface, public QAccessibleActionInterface, public QAccessibleTextInterface {
public:
    PartAccessible(PartsAccessible* owner, int index) : owner_(owner), index_(index) {}

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
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    // QAccessibleTextInterface: the static text, read only.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
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

private:
    PaintedPart Part() const;

    PartsAccessible* owner_;
    int index_;
};

// A widget with painted parts: its child widgets, then one child per part.
class PartsAccessible : public QAccessibleWidget {
public:
    PartsAccessible(QWidget* widget, const PaintedPartsSource* source) : QAccessibleWidget(widget), source_(source) {}
    ~PartsAccessible() override
    {
        for (const QAccessible::Id id : ids_)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    std::vector<PaintedPart> Parts() const { return source_->AccessibleParts(); }
    QWidget* Widget() const { return widget(); }
    int WidgetChildCount() const { return QAccessibleWidget::childCount(); }

    int childCount() const override { return WidgetChildCount() + static_cast<int>(Parts().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const int widgets = WidgetChildCount();
        if (index < widgets)
            return QAccessibleWidget::child(index);
        const int part = index - widgets;
        if (part < 0 || part >= static_cast<int>(Parts().size()))
            return nullptr;
        return Part(part);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (std::size_t i = 0; i < ids_.size(); ++i)
            if (ids_[i] != 0 && QAccessible::accessibleInterface(ids_[i]) == child)
                return WidgetChildCount() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const std::vector<PaintedPart> parts = Parts();
        const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
        for (std::size_t i = 0; i < parts.size(); ++i)
            if (parts[i].rect.contains(local))
                return Part(static_cast<int>(i));
        return QAccessibleWidget::childAt(x, y);
    }

    // The part's interface, made and registered the first time it is asked for.
    QAccessibleInterface* Part(int index) const
    {
        if (static_cast<std::size_t>(index) >= ids_.size())
            ids_.resize(static_cast<std::size_t>(index) + 1, 0);
        QAccessible::Id& id = ids_[static_cast<std::size_t>(index)];
        if (id == 0)
            id =
                QAccessible::registerAccessibleInterface(new PartAccessible(const_cast<PartsAccessible*>(this), index));
        return QAccessible::accessibleInterface(id);
    }

private:
    const PaintedPartsSource* source_;
    mutable std::vector<QAccessible::Id> ids_;
};

bool PartAccessible::isValid() const { return owner_->isValid() && index_ < static_cast<int>(owner_->Parts().size()); }

PaintedPart PartAccessible::Part() const
{
    const std::vector<PaintedPart> parts = owner_->Parts();
    return index_ < static_cast<int>(parts.size()) ? parts[static_cast<std::size_t>(index_)] : PaintedPart{};
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
    QAccessible::State state;
    state.invisible = !owner_->Widget()->isVisible();
    state.readOnly = Part().role == QAccessible::StaticText;
    return state;
}

void* PartAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface && Part().press)
        return static_cast<QAccessibleActionInterface*>(this);
    if (type == QAccessible::TextInterface && Part().role == QAccessible::StaticText)
        return static_cast<QAccessibleTextInterface*>(this);
    return nullptr;
}

QStringList PartAccessible::actionNames() const { return Part().press ? QStringList{pressAction()} : QStringList{}; }

void PartAccessible::doAction(const QString& actionName)
{
    if (actionName == pressAction()) {
        if (const auto press = Part().press)
            press();
    }
}

QAccessibleInterface* Factory(const QString&, QObject* object)
{
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

void NotifyPartTextChanged(QWidget* widget, int index, const QString& previous, const QString& text)
{
    if (!QAccessible::isActive())
        return;
    auto* parts = dynamic_cast<PartsAccessible*>(QAccessible::queryAccessibleInterface(widget));
    if (parts == nullptr)
        return;
    QAccessibleInterface* part = parts->Part(index);
    QAccessibleTextUpdateEvent update(part, 0, previous, text);
    QAccessible::updateAccessibility(&update);
    QAccessibleEvent changed(part, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void NotifyPartsChanged(QWidget* widget)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent reorder(widget, QAccessible::ObjectReorder);
    QAccessible::updateAccessibility(&reorder);
}

}  // namespace abacor
