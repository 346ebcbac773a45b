#include "app/core/DockLayout.h"

namespace tovra::mainwindow {

DockPositions dockPositions(const platform::Rect& mainWindow) {
    const std::int32_t below = mainWindow.top + mainWindow.height();
    return {{mainWindow.left, below}, {mainWindow.left + mainWindow.width(), below}};
}

} // namespace tovra::mainwindow
