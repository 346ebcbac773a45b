#include "toolkit/SkinLinkLabel.h"

#include <QMouseEvent>

namespace tovra::toolkit {

SkinLinkLabel::SkinLinkLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
    normal_ = palette();
}

void SkinLinkLabel::showHover(bool hovered) {
    QPalette colours = normal_;
    if (hovered) {
        colours.setColor(QPalette::WindowText, kHoverColour);
    }
    setPalette(colours);
}

void SkinLinkLabel::enterEvent(QEnterEvent* event) {
    normal_ = palette();
    showHover(true);
    QLabel::enterEvent(event);
}

void SkinLinkLabel::leaveEvent(QEvent* event) {
    showHover(false);
    QLabel::leaveEvent(event);
}

void SkinLinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void SkinLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        Q_EMIT clicked();
    }
}

} // namespace tovra::toolkit
