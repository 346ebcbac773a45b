#include "toolkit/PictureImage.h"

#include "picture/Picture.h"
#include "picture/PictureError.h"

#include <cstring>
#include <string>

#include <QFile>

namespace tovra::toolkit {

QImage toQImage(const picture::Image& image) {
    const picture::Image opaque = picture::toOpaqueBgrx32(image);
    QImage shown(opaque.width(), opaque.height(), QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(opaque.width()) * 4;
    for (int y = 0; y < opaque.height(); ++y) {
        std::memcpy(shown.scanLine(y), opaque.row(y), rowBytes);
    }
    return shown;
}

QImage jpegResource(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    try {
        return toQImage(picture::decodePicture(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
            picture::PictureFormat::Jpeg));
    } catch (const picture::PictureError&) {
        return {};
    }
}

} // namespace tovra::toolkit
