#include "app/FadeWindow.h"

#include "toolkit/PictureBox.h"
#include "toolkit/PictureImage.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>

namespace tovra {

FadeWindow::FadeWindow(QWidget* owner, const shell::FadeRule& rule, QSize size,
                       const QString& picture)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
    , fade_(rule) {
    setModal(true);
    setFixedSize(size);
    setWindowOpacity(1.0);

    img1 = new toolkit::PictureBox(this);
    img1->setGeometry(rect());
    img1->setPicture(QPixmap::fromImage(toolkit::jpegResource(picture)));
    connect(img1, &toolkit::PictureBox::clicked, this, &FadeWindow::img1Click);

    tmr1 = new QTimer(this);
    tmr1->setInterval(rule.intervalMs);
    connect(tmr1, &QTimer::timeout, this, &FadeWindow::tmr1Timer);
    tmr1->start();
}

void FadeWindow::tmr1Timer() {
    const shell::FadeTick step = fade_.tick();
    if (step.fading) {
        setWindowOpacity(step.level / static_cast<qreal>(shell::kOpaqueLevel));
    }
    if (step.close) {
        tmr1->stop();
        close();
    }
}

void FadeWindow::img1Click() {
    close();
}

void FadeWindow::done(int result) {
    tmr1->stop();
    QDialog::done(result);
}

void FadeWindow::showEvent(QShowEvent* event) {
    if (!placed_) {
        placed_ = true;
        centre();
    }
    QDialog::showEvent(event);
}

void FadeWindow::centre() {
    // Over the owner even while it is hidden (the main window at exit);
    // without one, on the screen.
    QRect area;
    if (const QWidget* owner = parentWidget(); owner != nullptr) {
        area = owner->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen(); screen != nullptr) {
        area = screen->geometry();
    } else {
        return;
    }
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

} // namespace tovra
