#include "painting/core/Stamp.h"

#include "picture/Picture.h"
#include "picture/PictureError.h"
#include "picture/PictureFile.h"

namespace tovra::painting {

std::optional<picture::Image> loadStamp(const std::string& path) {
    if (path.empty()) {
        return std::nullopt;
    }
    try {
        const std::string bytes = picture::readPictureFile(path);
        const auto format = picture::formatOfContent(bytes);
        if (!format) {
            return std::nullopt;
        }
        return picture::decodePicture(bytes, *format);
    } catch (const picture::PictureError&) {
        // A file that does not load draws nothing, without a message.
        return std::nullopt;
    }
}

} // namespace tovra::painting
