#include "platform/shell/Translated.h"

#include <QCoreApplication>

namespace abacor {

QString Translated(const char* context, std::u16string_view text)
{
    const QString source = QStringView(text).toString();
    return QCoreApplication::translate(context, source.toUtf8().constData());
}

}  // namespace abacor
