#include "toolkit/ClickLabel.h"

#include <QMouseEvent>

namespace tovra::toolkit {

ClickLabel::ClickLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace tovra::toolkit
