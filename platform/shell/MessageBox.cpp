#include "platform/shell/MessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

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
// The box's owner takes the keyboard back, also where no window manager does it.
int Answered(QWidget* parent, int answer)
{
    if (parent != nullptr) {
        parent->activateWindow();
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

    QMessageBox box(parent);
    box.setWindowTitle(QGuiApplication::applicationDisplayName());
    box.setText(text);
    box.setIcon(QMessageBox::NoIcon);
    if (!yesNo) {
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.setDefaultButton(ok);
        box.setEscapeButton(ok);
        box.exec();
        return Answered(parent, AnswerOk);
    }
    QPushButton* yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
    box.setDefaultButton((style & StyleSecondDefault) ? no : yes);
    box.setEscapeButton(no);
    box.exec();
    return Answered(parent, box.clickedButton() == yes ? AnswerYes : AnswerNo);
}

}  // namespace abacor
