#include "toolkit/QtTrayIcon.h"

#include <QString>

namespace tovra::toolkit {

QtTrayIcon::QtTrayIcon(QIcon icon)
    : icon_(std::move(icon)) {}

QtTrayIcon::~QtTrayIcon() {
    remove();
}

bool QtTrayIcon::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

std::intptr_t QtTrayIcon::mouseMessageFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        return platform::kWmLButtonDblClk;
    case QSystemTrayIcon::Context:
        return platform::kWmRButtonUp;
    case QSystemTrayIcon::Trigger:
        return platform::kWmLButtonUp;
    case QSystemTrayIcon::MiddleClick:
        return platform::kWmMButtonUp;
    case QSystemTrayIcon::Unknown:
        break;
    }
    return 0;
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
        activation_ =
            QObject::connect(&tray_, &QSystemTrayIcon::activated,
                             [callback = data.callback, message = data.uCallbackMessage](
                                 QSystemTrayIcon::ActivationReason reason) {
                                 if (const auto mouse = mouseMessageFor(reason); mouse != 0) {
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
