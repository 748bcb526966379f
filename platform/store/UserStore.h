#pragma once

#include <QMap>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <memory>
#include <optional>

class QSettings;

namespace abacor {

// The per-user store, registry-like: keys named by backslash paths such as
// "\Software\Korvel\Abacor", each holding named 32-bit values. On Windows it
// is the current user's registry; elsewhere one INI file per key under the
// user's configuration directory (XDG_CONFIG_HOME), "\Software\Korvel\Abacor"
// being Korvel/Abacor.conf.
class UserStoreKey {
public:
    // Opens an existing key for reading; empty when it does not exist.
    // Creates nothing.
    static std::optional<UserStoreKey> OpenForRead(QStringView path);
    // Opens a key for writing, creating it when needed. Empty when it cannot
    // be created.
    static std::optional<UserStoreKey> CreateOrOpen(QStringView path);
    // Deletes the key (not its parent). True when it is gone, also when it
    // never existed.
    static bool DeleteKey(QStringView path);

    // Where a key lives on this system: a file path, or a registry path on Windows.
    static QString Location(QStringView path);

    UserStoreKey(UserStoreKey&&) noexcept;
    UserStoreKey& operator=(UserStoreKey&&) noexcept;
    ~UserStoreKey();

    // Empty when the value is missing or not a whole number that fits in
    // 32 bits (signed or unsigned decimal, or 0x hexadecimal).
    std::optional<std::uint32_t> QueryValue(QStringView name) const;
    // Takes effect, all values of the key together, at Close().
    void SetValue(QStringView name, std::uint32_t value);
    // Writes what was set, atomically; false when it could not be made durable.
    // A failed write leaves the key as it was, also for later readers.
    bool Close();

private:
    UserStoreKey(QString path, std::unique_ptr<QSettings> settings);
    bool WriteFile();

    QString path_;
    std::unique_ptr<QSettings> settings_;
    QMap<QString, std::uint32_t> pending_;
    bool existing_ = false;  // the key had a readable store when opened
    bool dirty_ = false;
};

// The number a stored text means, as QueryValue reads it.
std::optional<std::uint32_t> ParseStoredValue(QStringView text);

}  // namespace abacor
