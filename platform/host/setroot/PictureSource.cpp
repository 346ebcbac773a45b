#include "platform/host/setroot/PictureSource.h"

#include "platform/host/setroot/InterimBmpDecoder.h"

namespace tovra::platform::host::setroot {

// Until the program's picture module (BMP, JPEG, GIF) is there, the root
// window takes the BMP files that the wallpaper setter leaves.
std::optional<Pixels> loadPicture(const std::string& path) {
    return decodeInterimBmp(path);
}

} // namespace tovra::platform::host::setroot
