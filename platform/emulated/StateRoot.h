#pragma once

// The folder that holds the whole emulated Windows state: the registry, the
// desktop's icon list, the system colours, the logs, the temporary and the
// system folders. It is private to the user (mode 0700).

#include <filesystem>
#include <string>
#include <string_view>

namespace tovra::platform::emulated {

class StateRoot {
public:
    /// The state root of a given folder (tests, or a caller that knows better).
    explicit StateRoot(std::filesystem::path folder);

    /// $XDG_DATA_HOME/TovraDesktop, or ~/.local/share/TovraDesktop when
    /// XDG_DATA_HOME is unset, empty or not absolute. Nothing is created yet.
    /// Throws Error when the user has no home folder to put it in.
    [[nodiscard]] static StateRoot fromEnvironment();

    [[nodiscard]] const std::filesystem::path& path() const { return folder_; }
    /// path() / name; nothing is created.
    [[nodiscard]] std::filesystem::path file(std::string_view name) const;

    /// Creates the root (and any missing parent) with mode 0700 if it is not
    /// there yet. False when it cannot be created or is not a folder.
    bool ensure() const;

    /// ensure(), then checks that the root is this user's own folder, as the
    /// base directory rules ask of the user's data: one found more open is
    /// closed to others (mode 0700). A symbolic link in its place is followed
    /// (people keep such folders where they like), but what it leads to must
    /// pass the same checks. Throws Error, saying why and what to do, when the
    /// root cannot be created, is no folder, belongs to another user or
    /// cannot be made private: the program's registry and files would be open
    /// to others there.
    void makePrivate() const;

    /// ensure(), then creates the subfolder name with mode 0700 when missing.
    /// False when either cannot be created or is not a folder.
    bool ensureFolder(std::string_view name) const;

private:
    std::filesystem::path folder_;
};

/// Creates folder and every missing parent, each with mode 0700, as the base
/// directory rules ask for the user's data folders. False when the result is
/// not a folder.
bool createPrivateFolders(const std::filesystem::path& folder);

/// Checks that the folder open at folderFd belongs to this user and closes it
/// to others (mode 0700) when it is more open. False, with the reason in
/// problem, when it belongs to someone else or its mode does not change (a
/// file system without permissions).
bool closeToOthers(int folderFd, std::string& problem);

} // namespace tovra::platform::emulated
