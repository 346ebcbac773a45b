#pragma once

// The feature windows this program has, behind the main window's seam. It is
// the one place that knows every feature window class; main() creates it with
// what the windows work with and hands it to the main window.

#include "app/FeatureWindows.h"
#include "library/LibraryPeers.h"
#include "platform/Platform.h"
#include "toolkit/core/ErrorRoute.h"
#include "wallpaper/core/ProgramState.h"

#include <functional>
#include <map>
#include <string>
#include <utility>

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

    /// What the library window asks of the picture preview and the wallpaper
    /// list, given once those windows exist; until then the library's preview
    /// and "增加壁纸" do nothing.
    void setLibraryPeers(library::LibraryPeers peers) { libraryPeers_ = std::move(peers); }

private:
    /// Creates a feature's window for one opening, owned by owner.
    using Creator = std::function<QDialog*(QWidget& owner)>;

    FeatureWindowServices services_;
    std::map<FeatureWindow, Creator> creators_;
    library::LibraryPeers libraryPeers_;
};

} // namespace tovra
