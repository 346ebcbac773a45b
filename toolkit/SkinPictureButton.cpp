#include "toolkit/SkinPictureButton.h"

#include <QColor>
#include <QEnterEvent>
#include <QPainter>

namespace tovra::toolkit {

namespace {

/// The picture with a colour laid over its opaque parts only, so that a glyph
/// with a transparent surround lights up without a box around it.
QPixmap tinted(const QPixmap& picture, const QColor& colour) {
    if (picture.isNull()) {
        return picture;
    }
    QPixmap out = picture;
    QPainter painter(&out);
    painter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    painter.fillRect(out.rect(), colour);
    return out;
}

} // namespace

SkinPictureButton::SkinPictureButton(QWidget* parent)
    : QAbstractButton(parent) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void SkinPictureButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    hoverPicture_ = tinted(picture, QColor(255, 255, 255, 60));
    downPicture_ = tinted(picture, QColor(0, 0, 0, 70));
    update();
}

QSize SkinPictureButton::sizeHint() const {
    return picture_.isNull() ? QSize(24, 24) : picture_.deviceIndependentSize().toSize();
}

void SkinPictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (picture_.isNull()) {
        return;
    }
    // A held button sinks by one pixel and darkens, as a pressed skin does.
    if (isDown()) {
        painter.drawPixmap(rect().translated(1, 1), downPicture_);
    } else {
        painter.drawPixmap(rect(), hovered_ ? hoverPicture_ : picture_);
    }
}

void SkinPictureButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
    Q_EMIT mouseEntered();
}

void SkinPictureButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

} // namespace tovra::toolkit
