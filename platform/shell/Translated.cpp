#include "platform/shell/Translated.h"

#include <QCoreApplication>

namespace abacor {

QString Translated(const char* context, std::u16string_view text)
{
    const QString source = QStringView(text).toString();
    return QCoreApplication::translate(context, source.toUtf8().constData());
}

QString Translated(const Message& message)
{
    return QString::fromStdU16String(Composed(message, [](const char* context, std::u16string_view text) {
        return Translated(context, text).toStdU16String();
    }));
}

}  // namespace abacor
