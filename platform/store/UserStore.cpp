#include "platform/store/UserStore.h"

#include "platform/store/KeyBackend.h"

namespace abacor {

QString UserStoreKey::Location(QStringView path) { return store::KeyLocation(path); }

std::optional<UserStoreKey> UserStoreKey::OpenForRead(QStringView path)
{
    store::KeyValues read = store::ReadKey(path);
    if (read.status != store::KeyStatus::Read)
        return std::nullopt;
    UserStoreKey key(path.toString());
    key.stored_ = std::move(read.texts);
    return key;
}

std::optional<UserStoreKey> UserStoreKey::CreateOrOpen(QStringView path)
{
    if (Location(path).isEmpty())
        return std::nullopt;
    UserStoreKey key(path.toString());
    // A key exists once created, even before any value is written.
    key.dirty_ = true;
    return key;
}

bool UserStoreKey::DeleteKey(QStringView path) { return store::RemoveKey(path); }

std::optional<QString> UserStoreKey::QueryText(QStringView name) const
{
    // Folded as the reader folds the file's names: ASCII letters only.
    QString folded = name.toString();
    for (QChar& ch : folded)
        if (ch >= u'A' && ch <= u'Z')
            ch = QChar(ch.unicode() + 32);
    if (const auto stored = stored_.find(folded); stored != stored_.end())
        return *stored;
    return std::nullopt;
}

void UserStoreKey::SetValue(QStringView name, std::uint32_t value)
{
    pending_.append({name.toString(), value});
    dirty_ = true;
}

StoreResult UserStoreKey::Close()
{
    if (!dirty_)
        return {};
    dirty_ = false;
    const StoreResult written{store::WriteKey(path_, pending_)};
    pending_.clear();
    return written;
}

}  // namespace abacor
