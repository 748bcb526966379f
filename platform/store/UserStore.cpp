#include "platform/store/UserStore.h"

#include "platform/store/KeyBackend.h"

namespace abacor {

std::u16string UserStoreKey::Location(std::u16string_view path) { return store::KeyLocation(path); }

std::optional<UserStoreKey> UserStoreKey::OpenForRead(std::u16string_view path)
{
    store::KeyValues read = store::ReadKey(path);
    if (read.status != store::KeyStatus::Read)
        return std::nullopt;
    UserStoreKey key{std::u16string(path)};
    key.stored_ = std::move(read.texts);
    return key;
}

std::optional<UserStoreKey> UserStoreKey::CreateOrOpen(std::u16string_view path)
{
    if (Location(path).empty())
        return std::nullopt;
    UserStoreKey key{std::u16string(path)};
    // A key exists once created, even before any value is written.
    key.dirty_ = true;
    return key;
}

bool UserStoreKey::DeleteKey(std::u16string_view path) { return store::RemoveKey(path); }

std::optional<std::u16string> UserStoreKey::QueryText(std::u16string_view name) const
{
    // Folded as the reader folds the file's names: ASCII letters only.
    std::u16string folded(name);
    for (char16_t& ch : folded)
        if (ch >= u'A' && ch <= u'Z')
            ch = static_cast<char16_t>(ch + 32);
    if (const auto stored = stored_.find(folded); stored != stored_.end())
        return stored->second;
    return std::nullopt;
}

void UserStoreKey::SetValue(std::u16string_view name, std::uint32_t value)
{
    pending_.emplace_back(std::u16string(name), value);
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
