#include "platform/shell/MessageBox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>

namespace abacor {

namespace {
ScopedMessageBoxAnswerer::Answerer& CurrentAnswerer()
{
    static ScopedMessageBoxAnswerer::Answerer answerer;
    return answerer;
}
}  // namespace

ScopedMessageBoxAnswerer::ScopedMessageBoxAnswerer(Answerer answerer)
    : previous_(std::exchange(CurrentAnswerer(), std::move(answerer)))
{
}

ScopedMessageBoxAnswerer::~ScopedMessageBoxAnswerer() { CurrentAnswerer() = std::move(previous_); }

namespace {
// The box's owner takes the keyboard back, also where no window manager does
// it, and the control that had the focus has it again.
int Answered(QWidget* parent, const QPointer<QWidget>& hadFocus, int answer)
{
    if (parent != nullptr) {
        parent->activateWindow();
        if (hadFocus != nullptr && hadFocus->window() == parent->window())
            hadFocus->setFocus();
        else
            parent->setFocus();
    }
    return answer;
}
}  // namespace

int ShowMessageBox(QWidget* parent, const QString& text, unsigned style)
{
    const bool yesNo = (style & 0xF) == StyleYesNo;
    if (const auto& answerer = CurrentAnswerer())
        return answerer(text, style);

    const QPointer<QWidget> hadFocus = QApplication::focusWidget();
    QMessageBox box(parent);
    box.setWindowTitle(QApplication::applicationDisplayName());
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    // Wide enough for the window manager's title bar to show the whole title
    // beside its buttons ("AbacorSet", not "Ab… Set").
    const QFontMetrics metrics(box.font());
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height(), 0,
                                      QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    if (!yesNo) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Answered(parent, hadFocus, AnswerOk);
    }
    QPushButton* yes = box.addButton(QCoreApplication::translate("MessageBox", "はい"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QCoreApplication::translate("MessageBox", "いいえ"), QMessageBox::NoRole);
    box.setDefaultButton((style & StyleSecondDefault) ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return Answered(parent, hadFocus, box.clickedButton() == yes ? AnswerYes : AnswerNo);
}

}  // namespace abacor
