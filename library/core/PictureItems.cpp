#include "library/core/PictureItems.h"

#include "platform/TextCase.h"

#include <array>
#include <utility>

namespace tovra::library {

std::string_view pictureCaption(std::string_view path) {
    // "/" too: pictures chosen on a host whose folders it separates.
    const auto separator = path.find_last_of("\\/:");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

LibraryImage pictureImage(std::string_view path) {
    static constexpr std::array<std::pair<std::string_view, LibraryImage>, 4> kImages = {{
        {".jpg", LibraryImage::Jpg},
        {".jpeg", LibraryImage::Jpg},
        {".bmp", LibraryImage::Bmp},
        {".gif", LibraryImage::Gif},
    }};
    const std::string_view name = pictureCaption(path);
    const auto dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return LibraryImage::ClosedFolder;
    }
    for (const auto& [extension, image] : kImages) {
        if (platform::equalsIgnoringCase(name.substr(dot), extension)) {
            return image;
        }
    }
    return LibraryImage::ClosedFolder;
}

} // namespace tovra::library
