#pragma once

// The emulated recent-documents list: <root>/RecentDocuments.txt, one path a
// line, the most recent first. Every change is a locked read-modify-write with
// an atomic replace, so two running instances never lose each other's entries.

#include "platform/emulated/StateRoot.h"

#include <string>
#include <vector>

namespace tovra::platform::emulated {

class RecentDocuments {
public:
    explicit RecentDocuments(StateRoot root);

    /// The paths, most recent first; empty when there is no list yet.
    [[nodiscard]] std::vector<std::string> entries() const;
    /// Puts path at the top, removing it from further down. A path with a line
    /// break cannot be one line of the list and is refused (false), as is an
    /// empty one.
    bool add(const std::string& path);
    /// Empties the list.
    bool clear();

private:
    bool rewrite(const std::vector<std::string>& paths);

    StateRoot root_;
};

} // namespace tovra::platform::emulated
