#include "platform/shell/ChoiceDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/shell/PaintedParts.h"

namespace abacor {

std::optional<QString> ChooseItem(QWidget* parent, const QString& title, const QString& label, const QStringList& items)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(title);
    auto* layout = new QVBoxLayout(&dialog);
    auto* caption = new QLabel(label, &dialog);
    auto* list = new AccessibleComboBox(&dialog);
    list->addItems(items);
    caption->setBuddy(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(caption);
    layout->addWidget(list);
    layout->addWidget(buttons);
    list->setFocus();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return list->currentText();
}

}  // namespace abacor
