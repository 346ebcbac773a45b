#pragma once

// Pictures drawn as SVG, rendered at the size a control needs.

#include <QPixmap>
#include <QSize>
#include <QString>

namespace tovra::toolkit {

/// The SVG file (a resource path such as ":/art/background.svg") rendered to
/// a transparent pixmap of the given size, sharp on the primary screen's
/// pixel ratio. A null pixmap when the file is missing or not valid SVG.
[[nodiscard]] QPixmap renderSvg(const QString& file, QSize size);

} // namespace tovra::toolkit
