#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace abacor {

// The programs' state beyond the settings (where windows were, the tape), in
// files of the user's own: $XDG_STATE_HOME/Korvel/Abacor (~/.local/state when
// unset), %LOCALAPPDATA%\Korvel\Abacor on Windows. Paths keep the
// environment's bytes: a folder name that is no UTF-8 still names the user's
// folder.

// The folder, made (the user's alone) when missing; empty when there is no
// state folder or it cannot be made.
std::filesystem::path StateFolder();
// A regular file's bytes, never blocking on anything else (a FIFO) and never
// more than limit; none when there is no such file.
std::optional<std::string> ReadStateFile(const std::filesystem::path& path, std::size_t limit);

// A file the user names (a tape file to open): how reading it went.
enum class FileRead { Read, Missing, NotRegular, TooBig, Unreadable };
struct FileBytes {
    FileRead status = FileRead::Missing;
    std::string bytes;
};
// Its bytes: never blocking on what is no regular file (checked on the file
// opened, not the name), never reading beyond limit plus one byte whatever its
// size says, and a read error (a pulled medium) an outcome, never an abort.
FileBytes ReadUserFile(const std::filesystem::path& path, std::size_t limit);
// A file the user names replaced by text whole, or left as it was (false):
// through a symbolic link to its target, which keeps the old file's mode,
// owner and group (a new one is made as the umask allows); never what is no
// regular file. The window's save (Qt's) does the same.
[[nodiscard]] bool WriteUserFile(const std::filesystem::path& path, const std::string& text);
// The file replaced by text whole, or left as it was: false then, and for
// anything that is no regular file.
[[nodiscard]] bool WriteStateFile(const std::filesystem::path& path, const std::string& text);

}  // namespace abacor
