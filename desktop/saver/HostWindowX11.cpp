#include "desktop/saver/HostWindow.h"

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

#include <QGuiApplication>

namespace tovra::saver {

QSize hostWindowSize(QWindow& host) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) {
        return host.size(); // not on X: what the platform knows
    }
    xcb_connection_t* connection = x11->connection();
    const auto cookie = xcb_get_geometry(connection, static_cast<xcb_drawable_t>(host.winId()));
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> reply(
        xcb_get_geometry_reply(connection, cookie, nullptr), &std::free);
    return reply ? QSize(reply->width, reply->height) : QSize();
}

} // namespace tovra::saver
