#pragma once

// Shell_NotifyIconA over QSystemTrayIcon. NIM_ADD shows the application's
// icon with the tip and sends each activation to the data's callback as the
// Windows mouse message the notification area would send; NIM_DELETE hides it.
// Qt shows the icon as a StatusNotifierItem when the session bus has a host
// for one; such a tray reports no double-clicks (see TrayActivation).

#include "platform/TrayActivation.h"
#include "platform/TrayIcon.h"

#include <QIcon>
#include <QMetaObject>
#include <QSystemTrayIcon>

namespace tovra::toolkit {

class QtTrayIcon : public platform::TrayIcon {
public:
    /// icon stands for the data's hIcon: the application's own icon.
    explicit QtTrayIcon(QIcon icon);
    ~QtTrayIcon() override;
    QtTrayIcon(const QtTrayIcon&) = delete;
    QtTrayIcon& operator=(const QtTrayIcon&) = delete;

    [[nodiscard]] bool isAvailable() const override;
    bool notifyIcon(std::uint32_t message, const platform::NotifyIconData& data) override;

    /// The activation a Qt reason stands for.
    [[nodiscard]] static platform::TrayActivation
    activationFor(QSystemTrayIcon::ActivationReason reason);

private:
    void add(const platform::NotifyIconData& data);
    void remove();

    QIcon icon_;
    QSystemTrayIcon tray_;
    QMetaObject::Connection activation_;
};

} // namespace tovra::toolkit
