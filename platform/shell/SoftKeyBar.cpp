#include "platform/shell/SoftKeyBar.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>

#include "platform/shell/PopupMenu.h"

namespace abacor {

SoftKeyBar::SoftKeyBar(MenuDescription menu, QWidget* window) : QWidget(window), menu_(menu)
{
    setObjectName(QStringLiteral("SoftKeyBar"));
    setFixedHeight(kHeight);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);

    int key = 0;
    ForEachChild(menu_, -1, [&](int index) {
        if (key < 2)
            entries_[key++] = index;
    });
    for (int i = 0; i < 2; ++i) {
        buttons_[i] = new QPushButton(this);
        buttons_[i]->setFocusPolicy(Qt::NoFocus);
        if (entries_[i] >= 0) {
            const std::u16string_view text = menu_[static_cast<std::size_t>(entries_[i])].text;
            buttons_[i]->setText(QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
        } else {
            buttons_[i]->setEnabled(false);
        }
        layout->addWidget(buttons_[i], 1);
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] { Press(i); });
    }

    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, this, &SoftKeyBar::PressLeft);
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), window);
    f2->setContext(Qt::WindowShortcut);
    connect(f2, &QShortcut::activated, this, &SoftKeyBar::PressRight);
}

SoftKeyBar* SoftKeyBar::Find(QWidget* window)
{
    return window ? window->findChild<SoftKeyBar*>(QStringLiteral("SoftKeyBar"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void SoftKeyBar::PressLeft()
{
    Press(0);
}

void SoftKeyBar::PressRight()
{
    Press(1);
}

QString SoftKeyBar::KeyText(int key) const
{
    return key >= 0 && key < 2 ? buttons_[key]->text() : QString();
}

PopupMenu* SoftKeyBar::OpenPopup() const
{
    return popup_ && popup_->isVisible() ? popup_ : nullptr;
}

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
    connect(popup_, &PopupMenu::commandChosen, this, &SoftKeyBar::commandChosen);
    connect(popup_, &QMenu::aboutToShow, this, &SoftKeyBar::popupAboutToShow);
    // Above the bar, against the side of the key that opened it.
    popup_->ensurePolished();
    const QPoint corner = key == 0 ? mapToGlobal(QPoint(0, 0))
                                   : mapToGlobal(QPoint(width() - popup_->sizeHint().width(), 0));
    popup_->PopupAboveLeft(corner);
}

}  // namespace abacor
