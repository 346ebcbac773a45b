#include "toolkit/SvgPicture.h"

#include <cmath>

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace tovra::toolkit {

QPixmap renderSvg(const QString& file, QSize size) {
    QSvgRenderer renderer(file);
    if (!renderer.isValid() || size.isEmpty()) {
        return {};
    }
    const qreal ratio = qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(QSize(static_cast<int>(std::ceil(size.width() * ratio)),
                         static_cast<int>(std::ceil(size.height() * ratio))));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace tovra::toolkit
