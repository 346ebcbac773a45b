#include "toolkit/ShadowLabel.h"

#include <QFontMetrics>
#include <QPainter>

namespace tovra::toolkit {

ShadowLabel::ShadowLabel(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void ShadowLabel::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    adjustSize();
    update();
}

void ShadowLabel::setTextColor(const QColor& colour) {
    textColour_ = colour;
    update();
}

void ShadowLabel::setShadow(const QColor& colour, int offset) {
    shadowColour_ = colour;
    shadowOffset_ = offset;
    adjustSize();
    update();
}

QSize ShadowLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    const QSize textSize(metrics.horizontalAdvance(text_), metrics.height());
    return textSize + QSize(shadowOffset_, shadowOffset_);
}

void ShadowLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    const QRect textRect(0, 0, width() - shadowOffset_, height() - shadowOffset_);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    painter.setPen(shadowColour_);
    painter.drawText(textRect.translated(shadowOffset_, shadowOffset_), flags, text_);
    painter.setPen(textColour_);
    painter.drawText(textRect, flags, text_);
}

} // namespace tovra::toolkit
