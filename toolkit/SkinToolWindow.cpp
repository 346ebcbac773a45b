#include "toolkit/SkinToolWindow.h"

#include "toolkit/FontSetup.h"
#include "toolkit/SkinColours.h"

#include <QPainter>

namespace tovra::toolkit {

namespace {
constexpr int kTextPixelSize = 12;
} // namespace

SkinToolWindow::SkinToolWindow(ErrorRoute& errors, const QString& caption, QSize clientSize)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , errors_(errors) {
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setFont(songFont(kTextPixelSize, false));
    QPalette face = palette();
    face.setColor(QPalette::Window, colours::kDialogFace);
    face.setColor(QPalette::WindowText, colours::kDialogText);
    setPalette(face);
    setAutoFillBackground(true);
}

void SkinToolWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(colours::kDarkBlue);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tovra::toolkit
