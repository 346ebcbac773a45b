#include "platform/emulated/ScreenSaverEntries.h"

#include "platform/emulated/FileStore.h"

#include <algorithm>
#include <map>
#include <system_error>
#include <unistd.h>

namespace tovra::platform::emulated {

namespace {

constexpr std::string_view kMarker = "# TovraDesktop screen saver entry";

/// A word for /bin/sh that stands for text exactly.
std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (const char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

bool isOurEntry(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::symlink_status(file, error).type() !=
        std::filesystem::file_type::regular) {
        return false;
    }
    const auto content = readFile(file, error);
    return content && content->find(kMarker) != std::string::npos;
}

std::map<std::string, std::string> wantedEntries(const ScreenSaverSources& sources) {
    std::map<std::string, std::string> wanted;
    if (sources.saverProgram.empty()) {
        return wanted;
    }
    wanted[kOwnScreenSaverEntry] = screenSaverEntryScript(sources.saverProgram, {});
    for (const auto& hack : installedHacks(sources)) {
        wanted[hack.filename().string() + ".scr"] =
            screenSaverEntryScript(sources.saverProgram, hack);
    }
    return wanted;
}

} // namespace

std::string screenSaverEntryScript(const std::filesystem::path& saverProgram,
                                   const std::filesystem::path& hack) {
    std::string script =
        "#!/bin/sh\n" + std::string(kMarker) + "\nexec " + shellQuoted(saverProgram.string());
    if (!hack.empty()) {
        script += " --hack " + shellQuoted(hack.string());
    }
    return script + " \"$@\"\n";
}

std::vector<std::filesystem::path> installedHacks(const ScreenSaverSources& sources) {
    std::vector<std::filesystem::path> hacks;
    std::error_code error;
    for (std::filesystem::directory_iterator it(sources.hackFolder, error), end;
         !error && it != end; it.increment(error)) {
        const auto& program = it->path();
        const auto description = sources.hackDescriptions / (program.filename().string() + ".xml");
        std::error_code ignored;
        if (it->is_regular_file(ignored) && ::access(program.c_str(), X_OK) == 0 &&
            std::filesystem::is_regular_file(description, ignored)) {
            hacks.push_back(program);
        }
    }
    std::sort(hacks.begin(), hacks.end());
    return hacks;
}

void syncScreenSaverEntries(const std::filesystem::path& folder,
                            const ScreenSaverSources& sources) {
    const auto wanted = wantedEntries(sources);
    std::vector<std::filesystem::path> stale;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (it->path().extension() == ".scr" && !wanted.contains(it->path().filename().string()) &&
            isOurEntry(it->path())) {
            stale.push_back(it->path());
        }
    }
    for (const auto& file : stale) {
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
    }
    for (const auto& [name, script] : wanted) {
        const auto file = folder / name;
        std::error_code ignored;
        const bool present = std::filesystem::symlink_status(file, ignored).type() !=
                             std::filesystem::file_type::not_found;
        if (present && (!isOurEntry(file) || readFile(file, ignored) == script)) {
            continue;
        }
        replaceFile(file, script, 0755);
    }
}

} // namespace tovra::platform::emulated
