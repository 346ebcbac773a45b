#include "toolkit/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace tovra::toolkit {

PictureBox::PictureBox(QWidget* parent)
    : QWidget(parent) {
    setMouseTracking(true);
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* /*event*/) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->position().toPoint());
    // Not consumed: the window under the picture sees the move too.
    event->ignore();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
    event->ignore();
}

} // namespace tovra::toolkit
