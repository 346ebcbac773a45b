#pragma once

// The application's own icon, for its windows and its tray icon.

#include <QIcon>

namespace tovra {

/// The icon drawn at the sizes desktops ask for.
[[nodiscard]] QIcon applicationIcon();

} // namespace tovra
