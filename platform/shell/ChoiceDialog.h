#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace abacor {

// Asks for one of items in a small dialog whose list a screen reader reads
// by its value at every arrow (Qt's own item dialog says only its label);
// nothing when the user cancels.
std::optional<QString> ChooseItem(QWidget* parent, const QString& title, const QString& label,
                                  const QStringList& items);

}  // namespace abacor
