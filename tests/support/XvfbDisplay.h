#pragma once

// A real X server for a test: Debian's Xvfb on a display number it picks
// itself, stopped when the test ends.

#include "tests/support/ChildProcess.h"

#include <string>

namespace tovra::test {

class XvfbDisplay {
public:
    /// Starts Xvfb with one screen of width by height at 24 bits. name() is
    /// empty when it could not be started.
    XvfbDisplay(int width, int height);

    /// ":<number>", for DISPLAY.
    [[nodiscard]] const std::string& name() const { return name_; }

private:
    ChildProcess server_;
    std::string name_;
};

} // namespace tovra::test
