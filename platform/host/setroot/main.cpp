// tovra-setroot <centred|tiled|stretched> <picture>: paints the X11 root
// window's background with the picture, for desktops that have no wallpaper
// service of their own. TovraDesktop runs it; exit status 0 when done, 1 with
// the reason on standard error otherwise.

#include "platform/host/setroot/PictureSource.h"
#include "platform/host/setroot/StyleNames.h"
#include "platform/host/setroot/XRootPixmap.h"

#include <iostream>

int main(int argc, char** argv) {
    const auto style =
        argc == 3 ? tovra::platform::host::setroot::styleNamed(argv[1]) : std::nullopt;
    if (!style) {
        std::cerr << "usage: tovra-setroot centred|tiled|stretched PICTURE\n";
        return 2;
    }
    const auto picture = tovra::platform::host::setroot::loadPicture(argv[2]);
    if (!picture) {
        std::cerr << "cannot read the picture " << argv[2] << '\n';
        return 1;
    }
    if (const auto failure = tovra::platform::host::setroot::setRootBackground(*picture, *style)) {
        std::cerr << *failure << '\n';
        return 1;
    }
    return 0;
}
