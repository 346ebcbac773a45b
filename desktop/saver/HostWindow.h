#pragma once

// The size of the window a preview draws into, which belongs to another
// program: the windowing system is asked, since Qt knows nothing of a foreign
// window's geometry on every platform.

#include <QSize>
#include <QWindow>

namespace tovra::saver {

/// The client size of host (a window made by QWindow::fromWinId); empty when
/// it cannot be learnt.
[[nodiscard]] QSize hostWindowSize(QWindow& host);

} // namespace tovra::saver
