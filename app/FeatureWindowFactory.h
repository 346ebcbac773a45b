#pragma once

// The feature windows this program has, behind the main window's seam. It is
// the one place that knows every feature window class; main() creates it with
// what the windows work with and hands it to the main window.

#include "app/FeatureWindows.h"
#include "app/core/ErrorRoute.h"
#include "app/core/ProgramState.h"
#include "platform/Platform.h"

#include <functional>
#include <map>
#include <string>

class QDialog;

namespace tovra {

/// What the feature windows work with; app/ keeps all of it alive longer than them.
struct FeatureWindowServices {
    platform::Platform& platform;
    ProgramState& state;
    ErrorRoute& errors;
    /// The settings file (SettingsIni).
    std::string settingsFile;
};

class FeatureWindowFactory final : public FeatureWindows {
public:
    explicit FeatureWindowFactory(FeatureWindowServices services);

    [[nodiscard]] bool has(FeatureWindow feature) const override;
    void run(FeatureWindow feature, QWidget& owner) override;

private:
    /// Creates a feature's window for one opening, owned by owner.
    using Creator = std::function<QDialog*(QWidget& owner)>;

    FeatureWindowServices services_;
    std::map<FeatureWindow, Creator> creators_;
};

} // namespace tovra
