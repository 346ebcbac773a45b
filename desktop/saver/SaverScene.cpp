#include "desktop/saver/SaverScene.h"

#include <cmath>

#include <QExposeEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRandomGenerator>

namespace tovra::saver {

namespace {

constexpr int kBubbles = 24;
constexpr int kFrameMs = 40;
/// How far the mouse may move before a full-screen saver ends.
constexpr qreal kMouseSlack = 8;
constexpr int kNeverShownMs = 10000;
constexpr int kGoneMs = 2000;

} // namespace

SaverScene::SaverScene(Role role, bool ownDrawing)
    : role_(role)
    , ownDrawing_(ownDrawing) {
    connect(&frames_, &QTimer::timeout, this, &SaverScene::step);
    unseen_.setSingleShot(true);
    connect(&unseen_, &QTimer::timeout, qGuiApp, &QGuiApplication::quit);
    if (role_ == Role::Preview) {
        unseen_.start(kNeverShownMs);
    } else {
        setCursor(Qt::BlankCursor);
    }
    if (ownDrawing_) {
        frames_.start(kFrameMs);
    }
}

void SaverScene::placeBubbles() {
    auto* random = QRandomGenerator::global();
    const qreal scale = std::max(width(), height()) / 20.0 + 4;
    bubbles_.clear();
    for (int i = 0; i < kBubbles; ++i) {
        const QPointF centre(random->bounded(std::max(width(), 1)),
                             random->bounded(std::max(height(), 1)));
        const qreal angle = random->bounded(2 * M_PI);
        const qreal speed = scale / 8 + random->bounded(scale / 4);
        const QColor color = QColor::fromHsv(random->bounded(360), 160, 255, 150);
        bubbles_.push_back({centre,
                            {std::cos(angle) * speed, std::sin(angle) * speed},
                            scale / 2 + random->bounded(scale),
                            color});
    }
}

void SaverScene::step() {
    if (bubbles_.empty() && width() > 0) {
        placeBubbles();
    }
    for (auto& bubble : bubbles_) {
        bubble.centre += bubble.velocity / 10;
        if (bubble.centre.x() < 0 || bubble.centre.x() > width()) {
            bubble.velocity.setX(-bubble.velocity.x());
        }
        if (bubble.centre.y() < 0 || bubble.centre.y() > height()) {
            bubble.velocity.setY(-bubble.velocity.y());
        }
    }
    update();
}

void SaverScene::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!ownDrawing_) {
        painter.fillRect(QRect(QPoint(0, 0), size()), Qt::black);
        return;
    }
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0, QColor(8, 16, 48));
    ground.setColorAt(1, QColor(0, 40, 72));
    painter.fillRect(QRect(QPoint(0, 0), size()), ground);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const auto& bubble : bubbles_) {
        QRadialGradient shine(bubble.centre, bubble.radius,
                              bubble.centre - QPointF(bubble.radius, bubble.radius) / 3);
        shine.setColorAt(0, Qt::white);
        shine.setColorAt(1, bubble.color);
        painter.setBrush(shine);
        painter.drawEllipse(bubble.centre, bubble.radius, bubble.radius);
    }
}

void SaverScene::exposeEvent(QExposeEvent* event) {
    if (role_ == Role::Preview) {
        if (isExposed()) {
            everExposed_ = true;
            unseen_.stop();
        } else if (everExposed_) {
            unseen_.start(kGoneMs);
        }
    }
    QRasterWindow::exposeEvent(event);
}

void SaverScene::endOnInput() {
    if (role_ == Role::FullScreen) {
        QGuiApplication::quit();
    }
}

void SaverScene::keyPressEvent(QKeyEvent*) {
    endOnInput();
}

void SaverScene::mousePressEvent(QMouseEvent*) {
    endOnInput();
}

void SaverScene::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->globalPosition();
    if (firstMouse_.x() < 0) {
        firstMouse_ = at;
    } else if ((at - firstMouse_).manhattanLength() > kMouseSlack) {
        endOnInput();
    }
}

} // namespace tovra::saver
