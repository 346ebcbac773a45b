#pragma once

// Pictures decoded for the screen: the picture library decodes (a large JPEG
// at the smallest reduced scale that still covers the size shown), Qt smooths
// the result down to that size.

#include "picture/Picture.h"

#include <string_view>

#include <QImage>
#include <QSize>

class QMovie;
class QObject;

namespace tovra::toolkit {

/// The picture of a file's bytes at size. Throws picture::PictureError.
[[nodiscard]] QImage displayImage(std::string_view bytes, picture::PictureFormat format,
                                  QSize size);

/// A GIF's animation, looping for as long as it plays, owned by parent. Throws
/// picture::PictureError when Qt cannot read it.
[[nodiscard]] QMovie* animatedGif(std::string_view bytes, QObject* parent);

} // namespace tovra::toolkit
