// The store on Windows: the current user's registry, through its own API.
// A read opens the key read-only and creates nothing; only REG_DWORD values
// are values of the store (any other type reads as missing).
#include <windows.h>

#include <iterator>
#include <string>

#include "platform/store/KeyBackend.h"

namespace abacor::store {

namespace {

// "\Software\Korvel\Abacor" under HKEY_CURRENT_USER, as the API takes it.
std::wstring Relative(std::u16string_view path)
{
    while (path.starts_with(u'\\'))
        path.remove_prefix(1);
    return std::wstring(path.begin(), path.end());
}

std::u16string Lower(const wchar_t* name)
{
    std::u16string lower;
    for (; *name != 0; ++name)
        lower += static_cast<char16_t>(*name >= L'A' && *name <= L'Z' ? *name + 32 : *name);
    return lower;
}

std::u16string Decimal(DWORD value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey()
    {
        if (key_ != nullptr)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY* out() { return &key_; }
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

std::u16string KeyLocation(std::u16string_view path)
{
    const std::wstring relative = Relative(path);
    return u"HKEY_CURRENT_USER\\" + std::u16string(relative.begin(), relative.end());
}

KeyValues ReadKey(std::u16string_view path)
{
    OpenKey key;
    const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, Relative(path).c_str(), 0, KEY_QUERY_VALUE, key.out());
    if (opened == ERROR_FILE_NOT_FOUND)
        return {};
    if (opened != ERROR_SUCCESS)
        return {KeyStatus::Unreadable, {}};
    KeyValues values{KeyStatus::Read, {}};
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = static_cast<DWORD>(std::size(name));
        DWORD type = REG_NONE;
        DWORD data = 0;
        DWORD size = sizeof data;
        const LSTATUS read =
            RegEnumValueW(key.get(), index, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
        if (read == ERROR_NO_MORE_ITEMS)
            break;
        // Longer than a DWORD, or of another type: not a value of the store.
        if (read != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data)
            continue;
        values.texts.emplace(Lower(name), Decimal(data));
    }
    return values;
}

// The registry replaces each value atomically; the flush makes them durable.
StoreFailure WriteKey(std::u16string_view path, const std::vector<std::pair<std::u16string, std::uint32_t>>& values)
{
    OpenKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Relative(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                        nullptr, key.out(), nullptr) != ERROR_SUCCESS)
        return StoreFailure::Failed;
    for (const auto& [name, value] : values) {
        const std::wstring wide(name.begin(), name.end());
        const DWORD data = value;
        if (RegSetValueExW(key.get(), wide.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) !=
            ERROR_SUCCESS)
            return StoreFailure::Failed;
    }
    return RegFlushKey(key.get()) == ERROR_SUCCESS ? StoreFailure::None : StoreFailure::Failed;
}

bool RemoveKey(std::u16string_view path)
{
    const LSTATUS removed = RegDeleteTreeW(HKEY_CURRENT_USER, Relative(path).c_str());
    if (removed != ERROR_SUCCESS && removed != ERROR_FILE_NOT_FOUND)
        return false;
    // RegDeleteTree empties the key; the key itself goes with RegDeleteKey.
    const LSTATUS gone = RegDeleteKeyW(HKEY_CURRENT_USER, Relative(path).c_str());
    return gone == ERROR_SUCCESS || gone == ERROR_FILE_NOT_FOUND;
}

}  // namespace abacor::store
