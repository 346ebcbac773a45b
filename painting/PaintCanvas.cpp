#include "painting/PaintCanvas.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tovra::painting {

PaintCanvas::PaintCanvas(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PaintCanvas::startFrom(const QImage& picture) {
    image_ = QImage(size(), QImage::Format_RGB32);
    image_.fill(Qt::white);
    if (!picture.isNull()) {
        QPainter painter(&image_);
        painter.drawImage(image_.rect(), picture);
    }
    update();
}

void PaintCanvas::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

void PaintCanvas::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mousePressed(event->position().toPoint());
}

void PaintCanvas::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->position().toPoint());
}

void PaintCanvas::mouseReleaseEvent(QMouseEvent* /*event*/) {
    Q_EMIT mouseReleased();
}

} // namespace tovra::painting
