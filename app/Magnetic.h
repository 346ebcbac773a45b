#pragma once

// TMagnetic makes a borderless window movable and magnetic: dragging the
// window's own surface with the left button moves it, and the position snaps
// to the screen edges and to the taskbar (or an Explorer window) within
// MagEffect pixels. It can also give the window 5-pixel sizing borders.

#include "app/core/MagnetRules.h"
#include "platform/DesktopWindows.h"
#include "platform/Screen.h"

#include <optional>
#include <vector>

#include <QCursor>
#include <QObject>
#include <QPointer>

class QMouseEvent;
class QWidget;

namespace tovra {

class TMagnetic : public QObject {
    Q_OBJECT

public:
    /// Takes over the owner's mouse events; the owner becomes this object's
    /// parent. CanResize starts true when the owner is frameless. The owner
    /// gets mouse tracking, since the magnet looks at every move over it.
    TMagnetic(QWidget* owner, platform::DesktopWindows& windows, platform::Screen& screen);
    ~TMagnetic() override;
    TMagnetic(const TMagnetic&) = delete;
    TMagnetic& operator=(const TMagnetic&) = delete;

    /// The rules and the properties (Active, CanResize, MagOption, MagEffect).
    [[nodiscard]] magnet::MagnetCore& core() { return core_; }
    [[nodiscard]] const magnet::MagnetCore& core() const { return core_; }

    void setActive(bool active) { core_.Active = active; }
    [[nodiscard]] bool isActive() const { return core_.Active; }

    /// A control without a window of its own on Windows (a picture, a label, a
    /// flat button), inside the owner: its mouse events reach the control once
    /// and then the magnet, never the owner, as the owner's window procedure
    /// handles them there. It gets mouse tracking. Any other child widget has a
    /// window of its own: it keeps its mouse events and never starts a drag. A
    /// control outside the owner, or one already registered, is left alone.
    void addWindowlessControl(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct CursorOverride {
        QPointer<QWidget> widget;
        bool hadOwnCursor = false;
        QCursor previous;
    };
    struct ManualResize {
        int hitCode = 0;
        platform::Rect start;
        QPoint pressScreenPoint;
    };

    [[nodiscard]] bool isWatchedControl(const QWidget* widget) const;
    [[nodiscard]] bool onOwnSurface(QWidget* receiver, QPoint local) const;
    [[nodiscard]] QPoint toClient(QWidget* receiver, QPoint local) const;
    [[nodiscard]] std::optional<int> hitTestAt(QPoint client) const;

    bool onMouseEvent(QWidget* receiver, QMouseEvent* event);
    bool deliverOnce(QWidget* receiver, QMouseEvent* event);
    void actOnPress(QMouseEvent* event, QPoint client);
    void actOnMove(QWidget* receiver, QMouseEvent* event, QPoint client);
    void beginResize(int hitCode, QPoint client);
    void continueResize(QPoint client);
    void showSizingCursor(QWidget* receiver, QPoint client);
    void restoreCursor();

    QPointer<QWidget> owner_;
    magnet::MagnetCore core_;
    std::vector<QPointer<QWidget>> controls_;
    /// The left button went down on the owner's own surface and is still held.
    bool leftHeldFromSurface_ = false;
    std::optional<ManualResize> resize_;
    std::optional<CursorOverride> cursor_;
};

} // namespace tovra
