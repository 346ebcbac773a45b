#pragma once

// Stand-ins for the emulated backend's tests: a real desktop with a scripted
// screen and panel, a launcher that records instead of starting, and a scoped
// change of environment variables.

#include "platform/NativePlatform.h"
#include "platform/emulated/Launcher.h"

#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tovra::platform::emulated::test {

/// A 1024 x 768 primary screen with an optional 40-pixel panel on one edge.
enum class PanelEdge { None, Bottom, Top, Left, Right };

class FakeHostDesktop final : public HostDesktop {
public:
    explicit FakeHostDesktop(PanelEdge edge = PanelEdge::Bottom) { setPanel(edge); }

    void setPanel(PanelEdge edge) {
        available_ = screen_;
        switch (edge) {
        case PanelEdge::None:
            break;
        case PanelEdge::Bottom:
            available_.bottom -= 40;
            break;
        case PanelEdge::Top:
            available_.top += 40;
            break;
        case PanelEdge::Left:
            available_.left += 40;
            break;
        case PanelEdge::Right:
            available_.right -= 40;
            break;
        }
    }
    void setLeftButtonDown(bool down) { leftDown_ = down; }

    [[nodiscard]] Rect screenGeometry() const override { return screen_; }
    [[nodiscard]] Rect availableGeometry() const override { return available_; }
    [[nodiscard]] bool leftButtonDown() const override { return leftDown_; }

private:
    Rect screen_{0, 0, 1024, 768};
    Rect available_{0, 0, 1024, 768};
    bool leftDown_ = false;
};

/// Records every request and stop, and answers with a scripted errno (0:
/// started); children are numbered from 4000.
class RecordingLauncher final : public Launcher {
public:
    int launchDetached(const LaunchRequest& request) override {
        requests.push_back(request);
        return error;
    }
    int launchChild(const LaunchRequest& request, ChildId& child) override {
        requests.push_back(request);
        if (error == 0) {
            child = nextChild++;
        }
        return error;
    }
    void stopChild(ChildId child) override { stopped.push_back(child); }

    std::vector<LaunchRequest> requests;
    std::vector<ChildId> stopped;
    int error = 0;
    ChildId nextChild = 4000;
};

/// Sets (or, with nullopt, removes) environment variables until destroyed,
/// then puts the old values back.
class ScopedEnvironment {
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() {
        for (const auto& [name, value] : saved_) {
            apply(name, value);
        }
    }

    void set(const std::string& name, const std::optional<std::string>& value) {
        if (saved_.find(name) == saved_.end()) {
            const char* old = std::getenv(name.c_str());
            saved_[name] = old != nullptr ? std::optional<std::string>(old) : std::nullopt;
        }
        apply(name, value);
    }

private:
    static void apply(const std::string& name, const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name.c_str(), value->c_str(), 1);
        } else {
            ::unsetenv(name.c_str());
        }
    }

    std::map<std::string, std::optional<std::string>> saved_;
};

} // namespace tovra::platform::emulated::test
