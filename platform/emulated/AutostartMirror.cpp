#include "platform/emulated/AutostartMirror.h"

#include "platform/emulated/RunEntries.h"

#include <exception>
#include <string_view>
#include <utility>

namespace tovra::platform::emulated {

namespace {

/// A name as an ANSI call receives it: up to its first zero byte.
std::string_view ansiName(const std::string& name) {
    return std::string_view(name).substr(0, name.find('\0'));
}

/// Runs a registry call with the autostart folder locked, then hands its
/// status to mirror. Nothing that goes wrong with the entries reaches the
/// caller: the registry call's status is the result.
template <typename Call, typename Mirror>
Status withEntries(std::ostream& diagnostics, Call call, Mirror mirror) {
    std::optional<RunEntryFolder> folder;
    try {
        folder.emplace(diagnostics);
    } catch (const std::exception& error) {
        diagnostics << "TovraDesktop: the autostart folder is out of reach: " << error.what()
                    << '\n';
    }
    const Status status = call();
    if (folder) {
        try {
            mirror(*folder, status);
        } catch (const std::exception& error) {
            diagnostics << "TovraDesktop: the autostart entries were not updated: " << error.what()
                        << '\n';
        }
    }
    return status;
}

} // namespace

AutostartMirror::AutostartMirror(Registry& inner, std::ostream& diagnostics)
    : inner_(inner)
    , diagnostics_(diagnostics) {}

Status AutostartMirror::openKey(HKey key, const std::string& subKey, HKey& result) {
    const Status status = inner_.openKey(key, subKey, result);
    if (status == kErrorSuccess) {
        track(result, below(key, subKey));
    }
    return status;
}

Status AutostartMirror::openKeyReadOnly(HKey key, const std::string& subKey, HKey& result) {
    const Status status = inner_.openKeyReadOnly(key, subKey, result);
    if (status == kErrorSuccess) {
        track(result, below(key, subKey));
    }
    return status;
}

Status AutostartMirror::createKey(HKey key, const std::string& subKey, HKey& result) {
    const Status status = inner_.createKey(key, subKey, result);
    if (status == kErrorSuccess) {
        track(result, below(key, subKey));
    }
    return status;
}

Status AutostartMirror::queryValue(HKey key, const std::string& name, RegValue& value) {
    return inner_.queryValue(key, name, value);
}

Status AutostartMirror::setValue(HKey key, const std::string& name, const RegValue& value) {
    const auto root = runRoot(keyOf(key));
    const std::string_view valueName = ansiName(name);
    // The unnamed default value names no entry; it is left to the registry.
    if (!root || valueName.empty()) {
        return inner_.setValue(key, name, value);
    }
    return withEntries(
        diagnostics_, [&] { return inner_.setValue(key, name, value); },
        [&](RunEntryFolder& entries, Status status) {
            if (status != kErrorSuccess) {
                return;
            }
            if (value.type == kRegSz || value.type == kRegExpandSz) {
                entries.write(*root, valueName, value.asText());
            } else {
                entries.remove(*root, valueName);
            }
        });
}

Status AutostartMirror::setCommandValue(HKey key, const std::string& name,
                                        const std::string& commandLine,
                                        const std::vector<std::string>& command) {
    const auto root = runRoot(keyOf(key));
    const std::string_view valueName = ansiName(name);
    const RegValue value = RegValue::text(commandLine);
    if (!root || valueName.empty()) {
        return inner_.setValue(key, name, value);
    }
    const auto text = entryTextFor(*root, valueName, command);
    if (!text) {
        diagnostics_ << "TovraDesktop: an autostart entry cannot start "
                     << (command.empty() ? std::string("nothing") : command.front())
                     << " (a path with \"=\", control characters or bytes that are not UTF-8),"
                        " so the Run value \""
                     << valueName << "\" is not written\n";
        return kErrorInvalidParameter;
    }
    RegValue before;
    const bool existed = inner_.queryValue(key, name, before) == kErrorSuccess;
    bool written = false;
    const Status status = withEntries(
        diagnostics_, [&] { return inner_.setValue(key, name, value); },
        [&](RunEntryFolder& entries, Status set) {
            written = set == kErrorSuccess && entries.writeText(*root, valueName, *text);
        });
    if (status != kErrorSuccess || written) {
        return status;
    }
    if (existed) {
        inner_.setValue(key, name, before);
    } else {
        inner_.deleteValue(key, name);
    }
    return kErrorAccessDenied;
}

Status AutostartMirror::deleteValue(HKey key, const std::string& name) {
    const auto root = runRoot(keyOf(key));
    const std::string_view valueName = ansiName(name);
    if (!root || valueName.empty()) {
        return inner_.deleteValue(key, name);
    }
    return withEntries(
        diagnostics_, [&] { return inner_.deleteValue(key, name); },
        [&](RunEntryFolder& entries, Status status) {
            // Already gone (another program deleted it): its entry is stale.
            if (status == kErrorSuccess || status == kErrorFileNotFound) {
                entries.remove(*root, valueName);
            }
        });
}

Status AutostartMirror::deleteKey(HKey key, const std::string& subKey) {
    const auto root = runRoot(below(key, subKey));
    if (!root) {
        return inner_.deleteKey(key, subKey);
    }
    return withEntries(
        diagnostics_, [&] { return inner_.deleteKey(key, subKey); },
        [&](RunEntryFolder& entries, Status status) {
            if (status == kErrorSuccess || status == kErrorFileNotFound) {
                entries.removeAll(*root);
            }
        });
}

Status AutostartMirror::enumKey(HKey key, std::uint32_t index, std::string& name) {
    return inner_.enumKey(key, index, name);
}

Status AutostartMirror::closeKey(HKey key) {
    const Status status = inner_.closeKey(key);
    if (status == kErrorSuccess) {
        keys_.erase(key);
    }
    return status;
}

std::optional<AutostartMirror::KeyName> AutostartMirror::keyOf(HKey key) const {
    if (const auto root = rootFromHandle(key)) {
        return KeyName{*root, {}};
    }
    const auto found = keys_.find(key);
    if (found == keys_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<AutostartMirror::KeyName> AutostartMirror::below(HKey key,
                                                               const std::string& subKey) const {
    auto name = keyOf(key);
    if (name) {
        // Empty parts (doubled, leading or trailing backslashes) name nothing,
        // as in the registry underneath.
        const KeyPath relative = splitKeyPath(ansiName(subKey));
        name->path.insert(name->path.end(), relative.begin(), relative.end());
    }
    return name;
}

std::optional<RegRoot> AutostartMirror::runRoot(const std::optional<KeyName>& name) {
    if (name && isRunKey(name->root, name->path)) {
        return name->root;
    }
    return std::nullopt;
}

void AutostartMirror::track(HKey handle, std::optional<KeyName> name) {
    if (rootFromHandle(handle)) {
        return; // a predefined key handed back as it is
    }
    if (name) {
        keys_.insert_or_assign(handle, std::move(*name));
    } else {
        keys_.erase(handle);
    }
}

} // namespace tovra::platform::emulated
