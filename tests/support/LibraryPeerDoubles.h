#pragma once

// The picture preview and the wallpaper list as the library window sees them
// (library::LibraryPeers), recording what the window asks of them.

#include "library/LibraryPeers.h"

#include <string>
#include <vector>

#include <QPoint>

namespace tovra::test {

class RecordingLibraryPeers {
public:
    /// Peers bound to this record; it must outlive them.
    [[nodiscard]] library::LibraryPeers peers() {
        return {[this](const std::string& path) { shown.push_back(path); },
                [this] { return previewShowing; },
                [this](QPoint topLeft) {
                    previewPlaces.push_back(topLeft);
                    previewShowing = true;
                },
                [this] {
                    ++previewCloses;
                    previewShowing = false;
                },
                [this](const std::string& path) { listed.push_back(path); }};
    }

    bool previewShowing = false;
    std::vector<std::string> shown;
    std::vector<QPoint> previewPlaces;
    int previewCloses = 0;
    std::vector<std::string> listed;
};

} // namespace tovra::test
