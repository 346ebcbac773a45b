#pragma once

// Shell_NotifyIconA over QSystemTrayIcon. NIM_ADD shows the application's
// icon with the tip and sends each activation to the data's callback as the
// Windows mouse message the notification area would send; NIM_DELETE hides it.

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

    /// The Windows mouse message for an activation (0 for an unknown reason).
    [[nodiscard]] static std::intptr_t mouseMessageFor(QSystemTrayIcon::ActivationReason reason);

private:
    void add(const platform::NotifyIconData& data);
    void remove();

    QIcon icon_;
    QSystemTrayIcon tray_;
    QMetaObject::Connection activation_;
};

} // namespace tovra::toolkit
