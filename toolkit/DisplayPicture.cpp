#include "toolkit/DisplayPicture.h"

#include "picture/Image.h"
#include "picture/PictureError.h"

#include <QBuffer>
#include <QByteArray>
#include <QMovie>

namespace tovra::toolkit {

QImage displayImage(std::string_view bytes, picture::PictureFormat format, QSize size) {
    const picture::Image decoded = picture::toOpaqueBgrx32(
        picture::decodePicture(bytes, format, picture::Size{size.width(), size.height()}));
    // Borrows the decoded pixels; scaled() makes the copy that outlives them.
    const QImage view(decoded.row(0), decoded.width(), decoded.height(),
                      static_cast<qsizetype>(decoded.stride()), QImage::Format_RGB32);
    if (view.size() == size) {
        return view.copy();
    }
    return view.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QMovie* animatedGif(std::string_view bytes, QObject* parent) {
    auto* movie = new QMovie(parent);
    auto* buffer = new QBuffer(movie);
    buffer->setData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    movie->setDevice(buffer);
    movie->setFormat("gif");
    if (!movie->isValid()) {
        delete movie;
        throw picture::PictureError(picture::PictureFault::Undecodable,
                                    "The GIF picture cannot be animated");
    }
    // An animation that asks to be played a number of times goes round
    // again; a single picture stays as it is.
    QObject::connect(movie, &QMovie::finished, movie, [movie] {
        if (movie->frameCount() > 1) {
            movie->start();
        }
    });
    return movie;
}

} // namespace tovra::toolkit
