#include "app/Magnetic.h"

#include <algorithm>

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace tovra {

namespace {

platform::Rect toRect(const QRect& rect) {
    // QRect's right and bottom are inclusive; a Windows rectangle's are not.
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

platform::Point toPoint(QPoint point) {
    return {point.x(), point.y()};
}

Qt::Edges edgesFor(int hitCode) {
    switch (hitCode) {
    case magnet::kHtLeft:
        return Qt::LeftEdge;
    case magnet::kHtRight:
        return Qt::RightEdge;
    case magnet::kHtTop:
        return Qt::TopEdge;
    case magnet::kHtBottom:
        return Qt::BottomEdge;
    case magnet::kHtTopLeft:
        return Qt::TopEdge | Qt::LeftEdge;
    case magnet::kHtTopRight:
        return Qt::TopEdge | Qt::RightEdge;
    case magnet::kHtBottomLeft:
        return Qt::BottomEdge | Qt::LeftEdge;
    case magnet::kHtBottomRight:
        return Qt::BottomEdge | Qt::RightEdge;
    default:
        return {};
    }
}

Qt::CursorShape cursorFor(int hitCode) {
    switch (hitCode) {
    case magnet::kHtLeft:
    case magnet::kHtRight:
        return Qt::SizeHorCursor;
    case magnet::kHtTop:
    case magnet::kHtBottom:
        return Qt::SizeVerCursor;
    case magnet::kHtTopLeft:
    case magnet::kHtBottomRight:
        return Qt::SizeFDiagCursor;
    case magnet::kHtTopRight:
    case magnet::kHtBottomLeft:
        return Qt::SizeBDiagCursor;
    default:
        return Qt::ArrowCursor;
    }
}

bool isLeftPress(const QMouseEvent* event) {
    return event->button() == Qt::LeftButton && (event->type() == QEvent::MouseButtonPress ||
                                                 event->type() == QEvent::MouseButtonDblClick);
}

} // namespace

TMagnetic::TMagnetic(QWidget* owner, platform::DesktopWindows& windows, platform::Screen& screen)
    : QObject(owner)
    , owner_(owner)
    , core_(windows, screen) {
    core_.CanResize = owner != nullptr && owner->windowFlags().testFlag(Qt::FramelessWindowHint);
    if (owner_ != nullptr) {
        owner_->installEventFilter(this);
        owner_->setMouseTracking(true);
    }
}

TMagnetic::~TMagnetic() {
    restoreCursor();
    for (const auto& control : controls_) {
        if (control != nullptr) {
            control->removeEventFilter(this);
        }
    }
    if (owner_ != nullptr) {
        owner_->removeEventFilter(this);
    }
}

void TMagnetic::addWindowlessControl(QWidget* control) {
    if (control == nullptr || owner_ == nullptr || !owner_->isAncestorOf(control) ||
        isWatchedControl(control)) {
        return;
    }
    std::erase_if(controls_, [](const QPointer<QWidget>& gone) { return gone == nullptr; });
    control->installEventFilter(this);
    control->setMouseTracking(true);
    controls_.emplace_back(control);
}

bool TMagnetic::isWatchedControl(const QWidget* widget) const {
    return std::any_of(controls_.begin(), controls_.end(),
                       [widget](const QPointer<QWidget>& control) { return control == widget; });
}

bool TMagnetic::eventFilter(QObject* watched, QEvent* event) {
    auto* receiver = qobject_cast<QWidget*>(watched);
    if (receiver == nullptr || owner_ == nullptr) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        return onMouseEvent(receiver, static_cast<QMouseEvent*>(event));
    case QEvent::Leave:
        if (cursor_ && cursor_->widget == receiver) {
            restoreCursor();
        }
        return false;
    default:
        return false;
    }
}

// Stands in for the owner's window procedure: a mouse event on the owner's own
// surface goes to its receiver once, then the magnet acts on it.
bool TMagnetic::onMouseEvent(QWidget* receiver, QMouseEvent* event) {
    if (receiver != owner_ && !owner_->isAncestorOf(receiver)) {
        return false; // a registered control that has left the owner since
    }
    const bool leftHeld = event->buttons().testFlag(Qt::LeftButton);
    const bool isMove = event->type() == QEvent::MouseMove;
    if (!leftHeld) {
        // The release may have gone elsewhere (a system resize, a hidden window).
        resize_.reset();
        leftHeldFromSurface_ = false;
    }
    if (event->type() == QEvent::MouseButtonRelease || (!isMove && !isLeftPress(event))) {
        return false;
    }
    const QPoint local = event->position().toPoint();
    if (resize_) {
        continueResize(toClient(receiver, local));
        event->accept();
        return true;
    }
    // With the button held the moves follow the press (Qt's implicit grab, the
    // window's mouse capture on Windows), wherever the pointer is now.
    const bool ours = isMove && leftHeld ? leftHeldFromSurface_ : onOwnSurface(receiver, local);
    if (!ours) {
        if (!isMove) {
            leftHeldFromSurface_ = false;
        }
        return false;
    }
    const QPoint client = toClient(receiver, local);
    if (!isMove) {
        // A press on the sizing border is not a press on the client area: neither
        // the control there nor the owner sees it, and it records nothing.
        if (const auto code = hitTestAt(client)) {
            beginResize(*code, client);
            event->accept();
            return true;
        }
    }
    const QPointer<QWidget> stillThere(receiver);
    if (!deliverOnce(receiver, event)) {
        return true;
    }
    if (isMove) {
        actOnMove(stillThere, event, client);
    } else {
        actOnPress(event, client);
    }
    event->accept();
    return true;
}

bool TMagnetic::onOwnSurface(QWidget* receiver, QPoint local) const {
    if (receiver != owner_) {
        return true; // a registered windowless control
    }
    // An event on the owner itself, or passed up from a child that ignored it.
    // A disabled child takes no input, so what lies under it is the owner's,
    // as Windows routes input past disabled windows.
    for (const QWidget* hit = owner_->childAt(local); hit != nullptr && hit != owner_;
         hit = hit->parentWidget()) {
        if (hit->isEnabled()) {
            return isWatchedControl(hit);
        }
    }
    return true;
}

QPoint TMagnetic::toClient(QWidget* receiver, QPoint local) const {
    return receiver == owner_ ? local : receiver->mapTo(owner_, local);
}

std::optional<int> TMagnetic::hitTestAt(QPoint client) const {
    const bool normal = !(owner_->windowState() &
                          (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    return core_.hitTest(toPoint(client), {owner_->width(), owner_->height()}, normal);
}

// The receiver's own handling (the saved window procedure), exactly once: the
// event is not passed on to the owner afterwards. False when that handling
// destroyed the magnet or its owner.
bool TMagnetic::deliverOnce(QWidget* receiver, QMouseEvent* event) {
    const QPointer<TMagnetic> self(this);
    static_cast<QObject*>(receiver)->event(event);
    return self != nullptr && owner_ != nullptr;
}

void TMagnetic::actOnPress(QMouseEvent* event, QPoint client) {
    leftHeldFromSurface_ = true;
    // The second press of a double-click is no press for the magnet; the drag
    // goes on from the first one.
    if (event->type() == QEvent::MouseButtonPress) {
        core_.press(toPoint(client));
    }
}

void TMagnetic::actOnMove(QWidget* receiver, QMouseEvent* event, QPoint client) {
    if (receiver != nullptr && !event->buttons().testFlag(Qt::LeftButton)) {
        showSizingCursor(receiver, client);
    }
    if (const auto at = core_.move(toPoint(client), toRect(owner_->frameGeometry()))) {
        owner_->move(at->x, at->y);
    }
}

void TMagnetic::beginResize(int hitCode, QPoint client) {
    leftHeldFromSurface_ = false;
    QWindow* window = owner_->windowHandle();
    if (window != nullptr && window->startSystemResize(edgesFor(hitCode))) {
        return;
    }
    // The window system cannot size the window itself: follow the pointer here.
    const QRect geometry = owner_->geometry();
    resize_ = ManualResize{hitCode, toRect(geometry), geometry.topLeft() + client};
}

void TMagnetic::continueResize(QPoint client) {
    const QPoint delta = owner_->geometry().topLeft() + client - resize_->pressScreenPoint;
    // Never so small that the sizing border cannot be caught again.
    const QSize least = owner_->minimumSize().expandedTo(
        QSize(2 * magnet::kSizingBorder, 2 * magnet::kSizingBorder));
    const QSize most = owner_->maximumSize();
    const platform::Rect bounds =
        magnet::resizedBounds(resize_->start, resize_->hitCode, toPoint(delta),
                              {least.width(), least.height()}, {most.width(), most.height()});
    owner_->setGeometry(bounds.left, bounds.top, bounds.width(), bounds.height());
}

void TMagnetic::showSizingCursor(QWidget* receiver, QPoint client) {
    const auto code = hitTestAt(client);
    if (!code || (cursor_ && cursor_->widget != receiver)) {
        restoreCursor();
    }
    if (!code) {
        return;
    }
    if (!cursor_) {
        cursor_ =
            CursorOverride{receiver, receiver->testAttribute(Qt::WA_SetCursor), receiver->cursor()};
    }
    receiver->setCursor(cursorFor(*code));
}

void TMagnetic::restoreCursor() {
    if (!cursor_) {
        return;
    }
    if (QWidget* widget = cursor_->widget) {
        if (cursor_->hadOwnCursor) {
            widget->setCursor(cursor_->previous);
        } else {
            widget->unsetCursor();
        }
    }
    cursor_.reset();
}

} // namespace tovra
