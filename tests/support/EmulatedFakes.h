#pragma once

// Stand-ins for the emulated backend's tests: a real desktop with a scripted
// screen and panel, and a launcher that records instead of starting.

#include "platform/NativePlatform.h"
#include "platform/emulated/Launcher.h"
#include "tests/support/ScopedEnvironment.h"

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

using tovra::test::ScopedEnvironment;

} // namespace tovra::platform::emulated::test
