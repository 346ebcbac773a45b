#include "toolkit/FlatSpeedButton.h"

#include <algorithm>

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tovra::toolkit {

FlatSpeedButton::FlatSpeedButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent) {
    setText(caption);
    setFocusPolicy(Qt::NoFocus);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

QSize FlatSpeedButton::sizeHint() const {
    // At least a square of 20, wide enough for a longer caption.
    constexpr int kLeast = 20;
    constexpr int kPadding = 16;
    const int textWidth = fontMetrics().horizontalAdvance(text()) + kPadding;
    return {std::max(kLeast, textWidth), kLeast};
}

void FlatSpeedButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!isEnabled()) {
        // Greyed out, so that a button that would do nothing does not look
        // like one that waits for a click.
        painter.fillRect(rect(), kDisabledFace);
        painter.setPen(kDisabledText);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.drawText(rect(), Qt::AlignCenter, text());
        return;
    }
    QColor face = kFace;
    if (isDown()) {
        face = kFace.darker(120);
    } else if (hovered_) {
        face = kFace.lighter(115);
    }
    painter.fillRect(rect(), face);
    painter.setPen(kBorder);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(kCaption);
    const QRect textRect = isDown() ? rect().translated(1, 1) : rect();
    painter.drawText(textRect, Qt::AlignCenter, text());
}

void FlatSpeedButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
    Q_EMIT mouseEntered();
}

void FlatSpeedButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void FlatSpeedButton::mousePressEvent(QMouseEvent* event) {
    Q_EMIT mouseDown(event->button(), event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        QAbstractButton::mousePressEvent(event);
    } else {
        // Keep the other buttons' presses too, so the drag that follows them
        // stays with this button.
        event->accept();
    }
}

void FlatSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    Q_EMIT mouseMoved(event->position().toPoint());
    QAbstractButton::mouseMoveEvent(event);
}

void FlatSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    Q_EMIT mouseUp(event->button(), event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        QAbstractButton::mouseReleaseEvent(event);
    } else {
        event->accept();
    }
}

} // namespace tovra::toolkit
