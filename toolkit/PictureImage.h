#pragma once

// Pictures of the picture library shown in windows, and the program's own
// pictures kept as JPEG resources, decoded by the same library.

#include "picture/Image.h"

#include <QImage>
#include <QString>

namespace tovra::toolkit {

/// The picture as an opaque QImage (Format_RGB32), a copy of its pixels.
[[nodiscard]] QImage toQImage(const picture::Image& image);

/// A JPEG resource (":/art/splash.jpg") decoded by the picture library; a null
/// image when it is missing or does not decode.
[[nodiscard]] QImage jpegResource(const QString& name);

} // namespace tovra::toolkit
