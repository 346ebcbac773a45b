#include "platform/emulated/RunEntries.h"

#include "platform/TextCase.h"
#include "platform/emulated/CommandLine.h"
#include "platform/emulated/DesktopEntry.h"
#include "platform/emulated/ProgramSearch.h"
#include "platform/emulated/StateRoot.h"
#include "platform/emulated/UserFolders.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace tovra::platform::emulated {

namespace {

constexpr std::array<std::string_view, 5> kRunPath = {"Software", "Microsoft", "Windows",
                                                      "CurrentVersion", "Run"};
constexpr std::string_view kRunPathText = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr std::string_view kSuffix = ".desktop";

std::string_view filePrefix(RegRoot root) {
    return root == RegRoot::CurrentUser ? "tovra-hkcu-run-" : "tovra-run-";
}

bool keptInFileName(unsigned char byte) {
    return (byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9') || byte == '.' ||
           byte == '_' || byte == '-' || byte >= 0x80;
}

std::string comment(RegRoot root, std::string_view valueName) {
    std::string text = "Mirrors the value \"";
    text += valueName;
    text += "\" under ";
    text += rootName(root);
    text += '\\';
    text += kRunPathText;
    text += " of TovraDesktop's emulated Windows";
    return text;
}

} // namespace

bool isRunKey(RegRoot root, const KeyPath& path) {
    return (root == RegRoot::LocalMachine || root == RegRoot::CurrentUser) &&
           std::equal(
               path.begin(), path.end(), kRunPath.begin(), kRunPath.end(),
               [](const std::string& a, std::string_view b) { return equalsIgnoringCase(a, b); });
}

std::string runEntryFileName(RegRoot root, std::string_view valueName) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string name(filePrefix(root));
    for (const char c : valueName) {
        const auto byte = static_cast<unsigned char>(foldAscii(c));
        if (keptInFileName(byte)) {
            name += static_cast<char>(byte);
        } else {
            name += '%';
            name += kHex[byte >> 4];
            name += kHex[byte & 0xf];
        }
    }
    name += kSuffix;
    return name;
}

std::vector<std::string> runCommand(std::string_view commandLine) {
    const auto candidates = programCandidates(commandLine);
    if (candidates.empty()) {
        return {};
    }
    auto chosen = std::find_if(candidates.begin(), candidates.end(), [](const auto& candidate) {
        return findProgram(candidate.program).has_value();
    });
    if (chosen == candidates.end()) {
        chosen = candidates.begin();
    }
    std::vector<std::string> command{chosen->program};
    auto arguments = splitArguments(chosen->arguments);
    command.insert(command.end(), std::make_move_iterator(arguments.begin()),
                   std::make_move_iterator(arguments.end()));
    return command;
}

std::optional<std::string> runEntryText(RegRoot root, std::string_view valueName,
                                        std::string_view commandLine) {
    return entryTextFor(root, valueName, runCommand(commandLine));
}

std::optional<std::string> entryTextFor(RegRoot root, std::string_view valueName,
                                        const std::vector<std::string>& command) {
    const auto exec = execValue(command);
    if (!exec) {
        return std::nullopt;
    }
    std::string text = "[Desktop Entry]\nType=Application\nName=";
    text += desktopEntryString(valueName);
    text += "\nComment=";
    text += desktopEntryString(comment(root, valueName));
    text += "\nExec=";
    text += *exec;
    text += "\nX-GNOME-Autostart-enabled=true\n";
    return text;
}

RunEntryFolder::RunEntryFolder(std::ostream& diagnostics)
    : diagnostics_(diagnostics) {
    auto folder = autostartFolder();
    if (!folder) {
        problem_ = "there is no home folder to hold the autostart folder";
        return;
    }
    if (!createPrivateFolders(*folder)) {
        problem_ = "the autostart folder " + folder->string() + " cannot be made";
        return;
    }
    lock_.emplace(*folder);
    folder_ = std::move(folder);
}

void RunEntryFolder::write(RegRoot root, std::string_view valueName, std::string_view commandLine) {
    const auto text = runEntryText(root, valueName, commandLine);
    if (text) {
        writeText(root, valueName, *text);
        return;
    }
    if (!folder_) {
        diagnostics_ << "TovraDesktop: the Run value \"" << valueName
                     << "\" has no autostart entry: " << problem_ << '\n';
        return;
    }
    diagnostics_ << "TovraDesktop: the Run value \"" << valueName
                 << "\" names no program that an autostart entry can start, so it has none\n";
    removeFile(*folder_ / runEntryFileName(root, valueName));
}

bool RunEntryFolder::writeText(RegRoot root, std::string_view valueName, const std::string& text) {
    if (!folder_) {
        diagnostics_ << "TovraDesktop: the Run value \"" << valueName
                     << "\" has no autostart entry: " << problem_ << '\n';
        return false;
    }
    const auto file = *folder_ / runEntryFileName(root, valueName);
    removeLeftoverTemporaries(file); // the folder's lock is held: no writer owns them
    if (!replaceFile(file, text)) {
        diagnostics_ << "TovraDesktop: unable to write the autostart entry " << file.string()
                     << " for the Run value \"" << valueName << "\"\n";
        return false;
    }
    return true;
}

void RunEntryFolder::remove(RegRoot root, std::string_view valueName) {
    if (folder_) { // without a folder there is no entry to remove
        removeFile(*folder_ / runEntryFileName(root, valueName));
    }
}

void RunEntryFolder::removeAll(RegRoot root) {
    if (!folder_) {
        return;
    }
    std::error_code error;
    std::vector<std::filesystem::path> entries;
    for (std::filesystem::directory_iterator it(*folder_, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(filePrefix(root)) && name.ends_with(kSuffix)) {
            entries.push_back(it->path());
        }
    }
    if (error) {
        diagnostics_ << "TovraDesktop: unable to read the autostart folder " << folder_->string()
                     << ": " << error.message() << '\n';
    }
    for (const auto& entry : entries) {
        removeFile(entry);
    }
}

void RunEntryFolder::removeFile(const std::filesystem::path& file) {
    if (::unlink(file.c_str()) == 0) {
        return;
    }
    const int error = errno;
    if (error != ENOENT) {
        diagnostics_ << "TovraDesktop: unable to remove the autostart entry " << file.string()
                     << ": " << std::strerror(error) << '\n';
    }
}

} // namespace tovra::platform::emulated
