#include "platform/shell/SoftKeyBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

#include "platform/drawing/Fonts.h"
#include "platform/shell/PopupMenu.h"
#include "platform/shell/Translated.h"

#include <algorithm>

namespace abacor {

SoftKeyBar::SoftKeyBar(MenuDescription menu, QWidget* window) : QWidget(window), menu_(menu)
{
    setObjectName(QStringLiteral("SoftKeyBar"));
    setAccessibleName(tr("ソフトキー"));
    setFixedHeight(kHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);

    int key = 0;
    ForEachChild(menu_, -1, [&](int index) {
        if (key < 2)
            entries_[key++] = index;
    });
    for (int i = 0; i < 2; ++i) {
        if (entries_[i] < 0)
            continue;
        texts_[i] = Translated("Menu", menu_[static_cast<std::size_t>(entries_[i])].text);
    }

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &SoftKeyBar::PressLeft);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), window);
    f2->setContext(Qt::WindowShortcut);
    connect(f2, &QShortcut::activated, this, &SoftKeyBar::PressRight);

    window->installEventFilter(this);
    Dock();
}

void SoftKeyBar::SetChecked(int commandId, bool checked)
{
    checked_.removeAll(commandId);
    if (checked)
        checked_.append(commandId);
    if (popup_)
        popup_->SetChecked(commandId, checked);
}

void SoftKeyBar::SetBarHeight(int height)
{
    setFixedHeight(height);
    Dock();
}

void SoftKeyBar::Dock()
{
    const QWidget* window = parentWidget();
    setGeometry(0, window->height() - height(), window->width(), height());
}

bool SoftKeyBar::eventFilter(QObject* watched, QEvent* event)
{
    // Before the window's own resize handler, which may lay out above the bar.
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        Dock();
    return false;
}

QRect SoftKeyBar::KeyRect(int key) const
{
    const int half = width() / 2;
    return key == 0 ? QRect(0, 0, half, height()) : QRect(half, 0, width() - half, height());
}

void SoftKeyBar::paintEvent(QPaintEvent*)
{
    // The phone's bar: dark, the two soft-key labels in white, a divider.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x20, 0x20, 0x20));
    painter.fillRect(QRect(width() / 2, height() / 5, 1, height() * 3 / 5), QColor(0x80, 0x80, 0x80));
    // The calculator's own face: a second Japanese font file would cost
    // megabytes of memory for four words.
    QFont font = MakeFontByEmHeight(std::max(height() * 2 / 5, 8), FontQuality::ClearType);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int key = 0; key < 2; ++key)
        painter.drawText(KeyRect(key), Qt::AlignCenter | Qt::TextSingleLine, texts_[key]);
}

void SoftKeyBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        Press(KeyRect(0).contains(event->position().toPoint()) ? 0 : 1);
}

SoftKeyBar* SoftKeyBar::Find(QWidget* window)
{
    return window ? window->findChild<SoftKeyBar*>(QStringLiteral("SoftKeyBar"), Qt::FindDirectChildrenOnly) : nullptr;
}

std::vector<PaintedPart> SoftKeyBar::AccessibleParts() const
{
    // Pressed after the accessibility call returns, as a key press would be:
    // a soft key may open a menu.
    auto* bar = const_cast<SoftKeyBar*>(this);
    std::vector<PaintedPart> parts;
    for (int key = 0; key < 2; ++key) {
        const auto press = [bar, key] {
            QMetaObject::invokeMethod(
                bar, [bar, key] { bar->Press(key); }, Qt::QueuedConnection);
        };
        PaintedPart part{QAccessible::Button, texts_[key], {}, {},
                         KeyRect(key),        press,       -1, key == 0 ? QStringLiteral("F1") : QStringLiteral("F2")};
        part.focusable = part.focused = key == opener_;
        parts.push_back(std::move(part));
    }
    return parts;
}

void SoftKeyBar::PressLeft() { Press(0); }

void SoftKeyBar::PressRight() { Press(1); }

QString SoftKeyBar::KeyText(int key) const { return key >= 0 && key < 2 ? texts_[key] : QString(); }

void SoftKeyBar::AnnounceOpener(int key)
{
    opener_ = key;
    if (key >= 0)
        NotifyPartFocused(this, key);
}

PopupMenu* SoftKeyBar::OpenPopup() const { return popup_ && popup_->isVisible() ? popup_ : nullptr; }

void SoftKeyBar::Press(int key)
{
    const int index = entries_[key];
    if (index < 0)
        return;
    const MenuEntry& entry = menu_[static_cast<std::size_t>(index)];
    if (entry.commandId != 0) {
        emit commandChosen(entry.commandId);
        return;
    }
    if (popup_)
        popup_->deleteLater();
    popup_ = new PopupMenu(menu_, index, this);
    for (const int id : checked_)
        popup_->SetChecked(id, true);
    for (const int id : hidden_)
        popup_->Hide(id);
    for (auto key = keyTexts_.cbegin(); key != keyTexts_.cend(); ++key)
        popup_->SetKeyText(key.key(), key.value());
    connect(popup_, &PopupMenu::commandChosen, this, &SoftKeyBar::commandChosen);
    connect(popup_, &QMenu::aboutToShow, this, &SoftKeyBar::popupAboutToShow);
    connect(popup_, &QMenu::aboutToHide, this, [this] {
        AnnounceOpener(-1);
        emit popupClosed();
    });
    // Above the bar, against the side of the key that opened it.
    popup_->ensurePolished();
    const QPoint corner =
        key == 0 ? mapToGlobal(QPoint(0, 0)) : mapToGlobal(QPoint(width() - popup_->sizeHint().width(), 0));
    AnnounceOpener(key);
    popup_->PopupAboveLeft(corner);
}

}  // namespace abacor
