#pragma once

// The real desktop's counterpart of the emulated Windows' Run values: each
// string value under HKEY_LOCAL_MACHINE or HKEY_CURRENT_USER
// \Software\Microsoft\Windows\CurrentVersion\Run is an autostart entry in the
// user's autostart folder, which the desktop starts at log-on as Windows
// starts the Run values.

#include "platform/emulated/FileStore.h"
#include "platform/emulated/RegTree.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tovra::platform::emulated {

/// Whether path (below root) is one of the two Run keys, in any spelling.
[[nodiscard]] bool isRunKey(RegRoot root, const KeyPath& path);

/// The entry's file name: "tovra-run-<name>.desktop" for HKEY_LOCAL_MACHINE,
/// "tovra-hkcu-run-<name>.desktop" for HKEY_CURRENT_USER. The name is folded
/// to lower case, since the registry does not tell "App" from "APP", and
/// every byte outside a-z, 0-9, '.', '_', '-' and UTF-8 text becomes %XX.
[[nodiscard]] std::string runEntryFileName(RegRoot root, std::string_view valueName);

/// The program and arguments a Windows command line starts. An unquoted
/// program with blanks in its path is the first reading that names an
/// existing program, as Windows tries them; when none does, the first
/// blank ends the program.
[[nodiscard]] std::vector<std::string> runCommand(std::string_view commandLine);

/// The whole entry file for a Run value that starts command, a program and
/// its arguments; nothing when an Exec line cannot start it.
[[nodiscard]] std::optional<std::string> entryTextFor(RegRoot root, std::string_view valueName,
                                                      const std::vector<std::string>& command);

/// The whole entry file for a Run value; nothing when the command line
/// names no program that an Exec line can start.
[[nodiscard]] std::optional<std::string> runEntryText(RegRoot root, std::string_view valueName,
                                                      std::string_view commandLine);

/// The user's autostart folder, made (mode 0700) and locked for the life of
/// the object, so that a registry change and its entry happen together even
/// with several instances at work. A failure never throws: it is one line on
/// diagnostics, and only when an entry could not be written or removed.
class RunEntryFolder {
public:
    explicit RunEntryFolder(std::ostream& diagnostics);

    /// Writes the entry for a string value; removes it (and says so) when the
    /// command line cannot be an entry.
    void write(RegRoot root, std::string_view valueName, std::string_view commandLine);
    /// Writes the entry file of a value (entryTextFor). False, said on
    /// diagnostics, when it cannot be written: an old entry then stays whole.
    bool writeText(RegRoot root, std::string_view valueName, const std::string& text);
    /// Removes the entry for a value; a missing entry is no error.
    void remove(RegRoot root, std::string_view valueName);
    /// Removes every entry of one Run key.
    void removeAll(RegRoot root);

private:
    void removeFile(const std::filesystem::path& file);

    std::ostream& diagnostics_;
    std::optional<std::filesystem::path> folder_;
    std::optional<DirectoryLock> lock_;
    /// Why there is no folder_.
    std::string problem_;
};

} // namespace tovra::platform::emulated
