#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace abacor {

// Why a write did not happen.
enum class StoreFailure {
    None,
    Failed,    // no place for it, an unreadable file, a disk that refused
    ReadOnly,  // the file is read-only for its owner
    NotOwner,  // the file is another user's, and keeping its owner failed
};

// A write's outcome: true when it happened and is durable.
struct [[nodiscard]] StoreResult {
    StoreFailure failure = StoreFailure::None;
    explicit operator bool() const { return failure == StoreFailure::None; }
};

// The per-user store, registry-like: keys named by backslash paths such as
// "\Software\Korvel\Abacor", each holding named 32-bit values. On Windows it
// is the current user's registry; elsewhere one INI file per key under the
// user's configuration directory (XDG_CONFIG_HOME), "\Software\Korvel\Abacor"
// being Korvel/Abacor.conf. Value names match without regard to case.
class UserStoreKey {
public:
    // Opens an existing, readable key for reading; empty when there is none.
    // Creates nothing.
    static std::optional<UserStoreKey> OpenForRead(std::u16string_view path);
    // Opens a key for writing, created at Close() when needed. Empty when
    // this system has no place for it.
    static std::optional<UserStoreKey> CreateOrOpen(std::u16string_view path);
    // Deletes the key (not its parent). True when it is gone, also when it
    // never existed.
    [[nodiscard]] static bool DeleteKey(std::u16string_view path);

    // Where a key lives on this system: a file path, or a registry path on
    // Windows. Empty when there is no configuration directory.
    static std::u16string Location(std::u16string_view path);

    // The value's stored text, as written (a registry number in decimal);
    // empty when missing. What the text means is the reader's business.
    std::optional<std::u16string> QueryText(std::u16string_view name) const;
    // Takes effect, all values of the key together, at Close().
    void SetValue(std::u16string_view name, std::uint32_t value);
    // Writes what was set, atomically, keeping every other value and line of
    // the key; false when it could not be made durable or when the stored key
    // could not be read whole. A failed write leaves the key as it was.
    StoreResult Close();

private:
    explicit UserStoreKey(std::u16string path) : path_(std::move(path)) {}

    std::u16string path_;
    std::map<std::u16string, std::u16string> stored_;  // by lower-case name
    std::vector<std::pair<std::u16string, std::uint32_t>> pending_;
    bool dirty_ = false;
};

}  // namespace abacor
