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
    if (message.context == nullptr && message.arguments.empty())
        return QString::fromStdU16String(message.text);
    const QString pattern = message.context == nullptr ? QString::fromStdU16String(message.text)
                                                       : Translated(message.context, message.text);
    std::vector<std::u16string> arguments;
    arguments.reserve(message.arguments.size());
    for (const Message& argument : message.arguments)
        arguments.push_back(Translated(argument).toStdU16String());
    return QString::fromStdU16String(Substituted(pattern.toStdU16String(), arguments));
}

}  // namespace abacor
