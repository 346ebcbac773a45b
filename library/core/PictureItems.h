#pragma once

// How a picture of the library shows in the window: its caption and which of
// the five images of the window's image list stands for it. The library keeps
// nothing about a picture but its path, so both come from the path alone.

#include <string_view>

namespace tovra::library {

/// Indexes into the window's image list, shared by the category tree and the
/// picture list.
enum class LibraryImage : int {
    ClosedFolder = 0, // a category; a picture of any other file type
    OpenFolder = 1,   // the selected category
    Jpg = 2,
    Bmp = 3,
    Gif = 4,
};

/// The file-name part of a path: the text after its last "\", "/" or ":".
[[nodiscard]] std::string_view pictureCaption(std::string_view path);

/// The image for a picture, by the extension of its file name (letter case
/// ignored): ".jpg" and ".jpeg", ".bmp", ".gif", else the closed folder.
[[nodiscard]] LibraryImage pictureImage(std::string_view path);

} // namespace tovra::library
