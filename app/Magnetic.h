#pragma once

// TMagnetic makes a borderless window movable and magnetic: dragging the
// window's own surface with the left button moves it, and the position snaps
// to the screen edges and to the taskbar (or an Explorer window) within
// MagEffect pixels. It can also give the window 5-pixel sizing borders.

#include "app/core/MagnetRules.h"
#include "platform/DesktopWindows.h"
#include "platform/Screen.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace tovra {

class TMagnetic : public QObject {
    Q_OBJECT

public:
    /// Takes over the owner's mouse and hit-test events. CanResize starts true
    /// when the owner is frameless.
    TMagnetic(QWidget* owner, platform::DesktopWindows& windows, platform::Screen& screen);
    ~TMagnetic() override;

    /// The rules and the properties (Active, CanResize, MagOption, MagEffect).
    [[nodiscard]] magnet::MagnetCore& core() { return core_; }
    [[nodiscard]] const magnet::MagnetCore& core() const { return core_; }

    void setActive(bool active) { core_.Active = active; }
    [[nodiscard]] bool isActive() const { return core_.Active; }

    /// A control without a window of its own on Windows (a picture, a label, a
    /// flat button): its presses and moves reach the magnet after the control
    /// has handled them, as they reach the owner's window procedure there.
    void addWindowlessControl(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> owner_;
    magnet::MagnetCore core_;
};

} // namespace tovra
