#include "picture/PictureFile.h"

#include "picture/PictureError.h"

#include <fstream>
#include <system_error>

namespace tovra::picture {

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return {std::u8string(utf8.begin(), utf8.end())};
}

bool pictureFileExists(const std::string& utf8Name) {
    std::error_code error;
    return !utf8Name.empty() && std::filesystem::is_regular_file(pathFromUtf8(utf8Name), error);
}

std::string readPictureFile(const std::string& utf8Name) {
    const std::filesystem::path path = pathFromUtf8(utf8Name);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        throw PictureError(PictureFault::Unreadable, "Cannot open " + utf8Name);
    }
    if (size > kMaxPictureFileBytes) {
        throw PictureError(PictureFault::TooLarge, utf8Name + " is too large for a picture");
    }
    std::ifstream in(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        throw PictureError(PictureFault::Unreadable, "Cannot read " + utf8Name);
    }
    return bytes;
}

} // namespace tovra::picture
