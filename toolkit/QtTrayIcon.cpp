#include "toolkit/QtTrayIcon.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QGuiApplication>
#include <QString>

namespace tovra::toolkit {

namespace {

/// What Qt asks before it shows the icon as a StatusNotifierItem: whether the
/// session bus has a watcher with a tray host registered.
bool statusNotifierHostRunning() {
    if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
        return false;
    }
    const QString watcher = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr ||
        !bus.interface()->isServiceRegistered(watcher).value()) {
        return false;
    }
    QDBusInterface interface(watcher, QStringLiteral("/StatusNotifierWatcher"), watcher, bus);
    return interface.property("IsStatusNotifierHostRegistered").toBool();
}

} // namespace

QtTrayIcon::QtTrayIcon(QIcon icon)
    : icon_(std::move(icon)) {}

QtTrayIcon::~QtTrayIcon() {
    remove();
}

bool QtTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

platform::TrayActivation QtTrayIcon::activationFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return platform::TrayActivation::Double;
    case QSystemTrayIcon::Context:
        return platform::TrayActivation::Context;
    case QSystemTrayIcon::Trigger:
        return platform::TrayActivation::Single;
    case QSystemTrayIcon::MiddleClick:
        return platform::TrayActivation::Middle;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return platform::TrayActivation::Unknown;
}

bool QtTrayIcon::notifyIcon(std::uint32_t message, const platform::NotifyIconData& data) {
    switch (message) {
    case platform::kNimAdd:
        if (tray_.isVisible()) {
            return false; // Windows refuses a second add of the same icon
        }
        add(data);
        return true;
    case platform::kNimDelete: {
        const bool wasShown = tray_.isVisible();
        remove();
        return wasShown;
    }
    default:
        return false;
    }
}

void QtTrayIcon::add(const platform::NotifyIconData& data) {
    if ((data.uFlags & platform::kNifIcon) != 0) {
        tray_.setIcon(icon_);
    }
    if ((data.uFlags & platform::kNifTip) != 0) {
        tray_.setToolTip(QString::fromStdString(data.szTip));
    }
    if ((data.uFlags & platform::kNifMessage) != 0 && data.callback) {
        activation_ = QObject::connect(&tray_, &QSystemTrayIcon::activated,
                                       [callback = data.callback, message = data.uCallbackMessage,
                                        doubleClicks = !statusNotifierHostRunning()](
                                           QSystemTrayIcon::ActivationReason reason) {
                                           if (const auto mouse = platform::mouseMessageFor(
                                                   activationFor(reason), doubleClicks);
                                               mouse != 0) {
                                               callback(message, mouse);
                                           }
                                       });
    }
    tray_.show();
}

void QtTrayIcon::remove() {
    QObject::disconnect(activation_);
    tray_.hide();
}

} // namespace tovra::toolkit
