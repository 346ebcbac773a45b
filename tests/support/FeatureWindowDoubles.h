#pragma once

// A feature-window seam that records which windows were asked for, and then
// hands the request on to the program's own (or stops there, when a test only
// checks which button asks for which window, or holds that one window back).

#include "app/FeatureWindows.h"

#include <set>
#include <vector>

namespace tovra::test {

class RecordingFeatureWindows final : public FeatureWindows {
public:
    explicit RecordingFeatureWindows(FeatureWindows& program)
        : program_(program) {}

    [[nodiscard]] bool has(FeatureWindow feature) const override {
        return !forward || program_.has(feature);
    }
    void run(FeatureWindow feature, QWidget& owner) override {
        runs.push_back(feature);
        if (forward && !held.contains(feature)) {
            program_.run(feature, owner);
        }
    }

    /// Whether requests reach the program's windows.
    bool forward = true;
    /// Windows recorded but never opened, even while requests are forwarded.
    std::set<FeatureWindow> held;
    std::vector<FeatureWindow> runs;

private:
    FeatureWindows& program_;
};

} // namespace tovra::test
