#include "toolkit/FlatTitlebar.h"

#include "toolkit/SkinColours.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace tovra::toolkit {

namespace {
constexpr int kTextIndent = 6;
} // namespace

FlatTitlebar::FlatTitlebar(const QString& caption, QWidget* parent)
    : QWidget(parent)
    , caption_(caption) {
    setFixedHeight(kHeight);
}

void FlatTitlebar::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

QSize FlatTitlebar::sizeHint() const {
    return {fontMetrics().horizontalAdvance(caption_) + 2 * kTextIndent, kHeight};
}

void FlatTitlebar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), colours::kOrange);
    painter.setPen(colours::kCaption);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(rect().adjusted(kTextIndent, 0, 0, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption_);
}

void FlatTitlebar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    event->accept();
    // Where the window system moves windows itself (Wayland does not let a
    // program place its own), it takes the drag; elsewhere the strip follows
    // the pointer.
    QWindow* handle = window()->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        return;
    }
    grab_ = event->globalPosition().toPoint() - window()->pos();
}

void FlatTitlebar::mouseMoveEvent(QMouseEvent* event) {
    if (!grab_ || !event->buttons().testFlag(Qt::LeftButton)) {
        grab_.reset();
        QWidget::mouseMoveEvent(event);
        return;
    }
    event->accept();
    window()->move(event->globalPosition().toPoint() - *grab_);
}

void FlatTitlebar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        grab_.reset();
    }
    QWidget::mouseReleaseEvent(event);
}

} // namespace tovra::toolkit
