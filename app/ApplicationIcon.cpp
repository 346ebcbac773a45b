#include "app/ApplicationIcon.h"

#include "toolkit/SvgPicture.h"

namespace tovra {

QIcon applicationIcon() {
    QIcon icon;
    for (const int side : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(toolkit::renderSvg(QStringLiteral(":/art/appicon.svg"), QSize(side, side)));
    }
    return icon;
}

} // namespace tovra
