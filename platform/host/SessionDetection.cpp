#include "platform/host/SessionDetection.h"

#include "platform/TextCase.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace tovra::platform::host {

namespace {

struct NamedDesktop {
    std::string_view name;
    DesktopKind kind;
};

// XDG_CURRENT_DESKTOP's registered names, and the few sessions that name
// themselves otherwise.
constexpr std::array kDesktopNames{
    NamedDesktop{"GNOME", DesktopKind::Gnome},
    NamedDesktop{"GNOME-Classic", DesktopKind::Gnome},
    NamedDesktop{"GNOME-Flashback", DesktopKind::Gnome},
    NamedDesktop{"Unity", DesktopKind::Gnome},
    NamedDesktop{"Budgie", DesktopKind::Gnome},
    NamedDesktop{"Pantheon", DesktopKind::Gnome},
    NamedDesktop{"ubuntu", DesktopKind::Gnome},
    NamedDesktop{"X-Cinnamon", DesktopKind::Cinnamon},
    NamedDesktop{"Cinnamon", DesktopKind::Cinnamon},
    NamedDesktop{"MATE", DesktopKind::Mate},
    NamedDesktop{"XFCE", DesktopKind::Xfce},
    NamedDesktop{"xubuntu", DesktopKind::Xfce},
    NamedDesktop{"KDE", DesktopKind::Plasma},
    NamedDesktop{"plasma", DesktopKind::Plasma},
    NamedDesktop{"plasmawayland", DesktopKind::Plasma},
    NamedDesktop{"sway", DesktopKind::Sway},
    NamedDesktop{"river", DesktopKind::Wlroots},
    NamedDesktop{"Wayfire", DesktopKind::Wlroots},
    NamedDesktop{"labwc", DesktopKind::Wlroots},
    NamedDesktop{"Hyprland", DesktopKind::Wlroots},
    NamedDesktop{"wlroots", DesktopKind::Wlroots},
};

// The program that draws each desktop's background.
constexpr std::array kDesktopPrograms{
    NamedDesktop{"gnome-shell", DesktopKind::Gnome},
    NamedDesktop{"cinnamon", DesktopKind::Cinnamon},
    NamedDesktop{"caja", DesktopKind::Mate},
    NamedDesktop{"mate-session", DesktopKind::Mate},
    NamedDesktop{"xfdesktop", DesktopKind::Xfce},
    NamedDesktop{"plasmashell", DesktopKind::Plasma},
    NamedDesktop{"sway", DesktopKind::Sway},
};

std::optional<DesktopKind> knownName(std::string_view name) {
    for (const auto& known : kDesktopNames) {
        if (equalsIgnoringCase(name, known.name)) {
            return known.kind;
        }
    }
    return std::nullopt;
}

std::optional<DesktopKind> fromCurrentDesktop(std::string_view list) {
    while (!list.empty()) {
        const auto colon = list.find(':');
        if (const auto kind = knownName(list.substr(0, colon))) {
            return kind;
        }
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
    }
    return std::nullopt;
}

/// "xfce", "plasma", "/usr/share/xsessions/plasma", "gnome-xorg", "ubuntu-wayland".
std::optional<DesktopKind> fromSessionName(std::string_view session) {
    if (const auto slash = session.rfind('/'); slash != std::string_view::npos) {
        session.remove_prefix(slash + 1);
    }
    if (const auto kind = knownName(session)) {
        return kind;
    }
    const auto dash = session.find('-');
    return dash == std::string_view::npos ? std::nullopt : knownName(session.substr(0, dash));
}

std::optional<DesktopKind> fromPrograms(const std::vector<std::string>& programs) {
    for (const auto& known : kDesktopPrograms) {
        if (std::find(programs.begin(), programs.end(), known.name) != programs.end()) {
            return known.kind;
        }
    }
    return std::nullopt;
}

std::string environmentText(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::vector<std::string> usersRunningPrograms() {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        struct stat info {};
        const auto name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos ||
            ::stat(entry.path().c_str(), &info) != 0 || info.st_uid != ::getuid()) {
            continue;
        }
        std::ifstream comm(entry.path() / "comm");
        if (std::string program; std::getline(comm, program)) {
            names.push_back(program);
        }
    }
    return names;
}

} // namespace

DesktopKind detectDesktop(const SessionFacts& facts) {
    if (const auto kind = fromCurrentDesktop(facts.currentDesktop)) {
        return *kind;
    }
    if (const auto kind = fromSessionName(facts.desktopSession)) {
        return *kind;
    }
    if (facts.swaySocket) {
        return DesktopKind::Sway;
    }
    if (const auto kind = fromPrograms(facts.runningPrograms)) {
        return *kind;
    }
    if (facts.waylandDisplay) {
        return DesktopKind::Wlroots;
    }
    // A Wayland session seen only through XWayland has no root window that
    // shows: its compositor draws the background.
    const bool wayland = equalsIgnoringCase(facts.sessionType, "wayland");
    return facts.x11Display && !wayland ? DesktopKind::X11Root : DesktopKind::None;
}

SessionFacts currentSessionFacts() {
    SessionFacts facts;
    facts.currentDesktop = environmentText("XDG_CURRENT_DESKTOP");
    facts.desktopSession = environmentText("DESKTOP_SESSION");
    facts.sessionType = environmentText("XDG_SESSION_TYPE");
    facts.x11Display = !environmentText("DISPLAY").empty();
    facts.waylandDisplay = !environmentText("WAYLAND_DISPLAY").empty();
    facts.runningPrograms = usersRunningPrograms();
    facts.swaySocket = !environmentText("SWAYSOCK").empty();
    return facts;
}

std::string_view desktopName(DesktopKind kind) {
    switch (kind) {
    case DesktopKind::Gnome:
        return "GNOME";
    case DesktopKind::Cinnamon:
        return "Cinnamon";
    case DesktopKind::Mate:
        return "MATE";
    case DesktopKind::Xfce:
        return "Xfce";
    case DesktopKind::Plasma:
        return "KDE Plasma";
    case DesktopKind::X11Root:
        return "X11";
    case DesktopKind::Sway:
        return "Sway";
    case DesktopKind::Wlroots:
        return "Wayland compositor";
    case DesktopKind::None:
        break;
    }
    return "no desktop";
}

} // namespace tovra::platform::host
