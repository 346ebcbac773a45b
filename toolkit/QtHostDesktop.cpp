#include "toolkit/QtHostDesktop.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace tovra::toolkit {

namespace {

platform::Rect toRect(const QRect& rect) {
    // QRect's right and bottom are inclusive; a Windows rectangle's are not.
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

} // namespace

platform::Rect QtHostDesktop::screenGeometry() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? toRect(screen->geometry()) : platform::Rect{};
}

platform::Rect QtHostDesktop::availableGeometry() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? toRect(screen->availableGeometry()) : platform::Rect{};
}

bool QtHostDesktop::leftButtonDown() const {
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}

} // namespace tovra::toolkit
