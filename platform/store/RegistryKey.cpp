// The store on Windows: the current user's registry, through QSettings.
#include <QSettings>
#include <QStringList>

#include "platform/store/KeyBackend.h"

namespace abacor::store {

namespace {
QString ParentAndName(QStringView path, QString* name)
{
    QString relative = path.toString();
    while (relative.startsWith(u'\\'))
        relative.remove(0, 1);
    const qsizetype slash = relative.lastIndexOf(u'\\');
    *name = relative.mid(slash + 1);
    return QStringLiteral("HKEY_CURRENT_USER\\") + relative.left(slash < 0 ? 0 : slash);
}
}  // namespace

QString KeyLocation(QStringView path)
{
    return QStringLiteral("HKEY_CURRENT_USER\\") + path.mid(path.startsWith(u'\\') ? 1 : 0).toString();
}

KeyValues ReadKey(QStringView path)
{
    // The parent lists the key among its child groups only when it exists.
    QString name;
    QSettings parent(ParentAndName(path, &name), QSettings::NativeFormat);
    if (!parent.childGroups().contains(name, Qt::CaseInsensitive))
        return {};
    QSettings key(KeyLocation(path), QSettings::NativeFormat);
    KeyValues values{KeyStatus::Read, {}};
    for (const QString& valueName : key.childKeys()) {
        const QVariant value = key.value(valueName);
        // A REG_DWORD arrives as a signed number; the store's values are unsigned.
        const QString text =
            value.typeId() == QMetaType::Int ? QString::number(static_cast<quint32>(value.toInt())) : value.toString();
        values.texts.insert(valueName.toLower(), text);
    }
    return values;
}

// The registry replaces each value atomically and keeps no cache of ours.
StoreFailure WriteKey(QStringView path, const QList<QPair<QString, std::uint32_t>>& values)
{
    QSettings key(KeyLocation(path), QSettings::NativeFormat);
    if (!key.isWritable())
        return StoreFailure::Failed;
    for (const auto& [name, value] : values)
        key.setValue(name, static_cast<uint>(value));
    key.sync();
    return key.status() == QSettings::NoError ? StoreFailure::None : StoreFailure::Failed;
}

bool RemoveKey(QStringView path)
{
    QSettings key(KeyLocation(path), QSettings::NativeFormat);
    key.clear();
    key.sync();
    return key.status() == QSettings::NoError;
}

}  // namespace abacor::store
