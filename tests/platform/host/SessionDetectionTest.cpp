#include "platform/host/SessionDetection.h"

#include <gtest/gtest.h>

namespace tovra::platform::host {
namespace {

struct DetectionCase {
    const char* name;
    SessionFacts facts;
    DesktopKind expected;
};

SessionFacts x11(std::string currentDesktop, std::string session = {},
                 std::vector<std::string> programs = {}) {
    return {std::move(currentDesktop), std::move(session), "x11", true, false, std::move(programs)};
}

class SessionDetectionTest : public testing::TestWithParam<DetectionCase> {};

TEST_P(SessionDetectionTest, FindsTheDesktopThatDrawsTheWallpaper) {
    EXPECT_EQ(detectDesktop(GetParam().facts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, SessionDetectionTest,
    testing::Values(
        DetectionCase{"Gnome", x11("GNOME"), DesktopKind::Gnome},
        DetectionCase{"UbuntuFirstNameUnknownSecondKnown", x11("ubuntu:GNOME"), DesktopKind::Gnome},
        DetectionCase{"FirstKnownNameWins", x11("Budgie:GNOME"), DesktopKind::Gnome},
        DetectionCase{"UnknownThenKnown", x11("X-Generic:XFCE"), DesktopKind::Xfce},
        DetectionCase{"Cinnamon", x11("X-Cinnamon"), DesktopKind::Cinnamon},
        DetectionCase{"Mate", x11("MATE"), DesktopKind::Mate},
        DetectionCase{"KdeCaseIgnored", x11("kde"), DesktopKind::Plasma},
        DetectionCase{"SessionNameOnly", x11("", "xfce"), DesktopKind::Xfce},
        DetectionCase{"SessionAsPath", x11("", "/usr/share/xsessions/plasma"), DesktopKind::Plasma},
        DetectionCase{"SessionWithSuffix", x11("", "gnome-xorg"), DesktopKind::Gnome},
        DetectionCase{"RunningProgramOnly", x11("", "lightdm-xsession", {"bash", "xfdesktop"}),
                      DesktopKind::Xfce},
        DetectionCase{"PlainWindowManager", x11("", "openbox", {"openbox"}), DesktopKind::X11Root},
        DetectionCase{"WaylandGnome", {"GNOME", "", "wayland", true, true, {}}, DesktopKind::Gnome},
        DetectionCase{"SwayByName", {"sway", "sway", "wayland", true, true, {}}, DesktopKind::Sway},
        DetectionCase{"SwaySocketAlone", {"", "", "", false, true, {}, true}, DesktopKind::Sway},
        DetectionCase{"SwayRunning", {"", "", "", false, true, {"sway"}}, DesktopKind::Sway},
        DetectionCase{
            "RiverByName", {"river", "", "wayland", false, true, {}}, DesktopKind::Wlroots},
        DetectionCase{"LabwcWithoutWaylandDisplay",
                      {"labwc:wlroots", "", "", true, false, {}},
                      DesktopKind::Wlroots},
        DetectionCase{"UnknownCompositorOnWaylandDisplay",
                      {"niri", "", "wayland", true, true, {}},
                      DesktopKind::Wlroots},
        DetectionCase{"KnownDesktopBeforeSwaySocket",
                      {"KDE", "", "", false, true, {}, true},
                      DesktopKind::Plasma},
        DetectionCase{
            "WaylandSessionTypeAlone", {"", "", "wayland", true, false, {}}, DesktopKind::None},
        DetectionCase{"NoDisplayAtAll", {"", "", "", false, false, {}}, DesktopKind::None}),
    [](const testing::TestParamInfo<DetectionCase>& tested) { return tested.param.name; });

} // namespace
} // namespace tovra::platform::host
