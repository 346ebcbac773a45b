#pragma once

// A real X server for a test: Debian's Xvfb on a display number it picks
// itself, stopped when the test ends.

#include <string>
#include <sys/types.h>

namespace tovra::test {

class XvfbDisplay {
public:
    /// Starts Xvfb with one screen of width by height at 24 bits. name() is
    /// empty when it could not be started.
    XvfbDisplay(int width, int height);
    ~XvfbDisplay();
    XvfbDisplay(const XvfbDisplay&) = delete;
    XvfbDisplay& operator=(const XvfbDisplay&) = delete;

    /// ":<number>", for DISPLAY.
    [[nodiscard]] const std::string& name() const { return name_; }

private:
    pid_t pid_ = -1;
    std::string name_;
};

} // namespace tovra::test
