#include "toolkit/SkinToolWindow.h"

#include "toolkit/SkinColours.h"
#include "toolkit/SkinDialog.h"

#include <QPainter>

namespace tovra::toolkit {

SkinToolWindow::SkinToolWindow(ErrorRoute& errors, const QString& caption, QSize clientSize)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , errors_(errors) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
    applyDialogFace(*this);
}

void SkinToolWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(colours::kDarkBlue);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tovra::toolkit
