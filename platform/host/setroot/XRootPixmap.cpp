#include "platform/host/setroot/XRootPixmap.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrandr.h>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace tovra::platform::host::setroot {

namespace {

/// The first error the server sent since the last look (this process's only
/// X connection runs on its only thread).
int lastXError = 0;

int recordError(Display* /*display*/, XErrorEvent* event) {
    if (lastXError == 0) {
        lastXError = event->error_code;
    }
    return 0;
}

struct DisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

std::vector<Area> monitorAreas(Display* display, Window root, int width, int height) {
    std::vector<Area> areas;
    int count = 0;
    int eventBase = 0;
    int errorBase = 0;
    if (XRRQueryExtension(display, &eventBase, &errorBase) != 0) {
        if (XRRMonitorInfo* monitors = XRRGetMonitors(display, root, True, &count)) {
            for (int i = 0; i < count; ++i) {
                areas.push_back(
                    {monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height});
            }
            XRRFreeMonitors(monitors);
        }
    }
    if (areas.empty()) {
        areas.push_back({0, 0, width, height});
    }
    return areas;
}

/// One colour channel of 0x00RRGGBB (shift 16, 8 or 0) placed in a visual's mask.
unsigned long channel(std::uint32_t rgb, int shift, unsigned long mask) {
    const unsigned long value = (rgb >> static_cast<unsigned>(shift)) & 0xFFu;
    const int maskShift = std::countr_zero(mask);
    const int maskBits = std::popcount(mask);
    const unsigned long scaled = maskBits >= 8 ? value << static_cast<unsigned>(maskBits - 8)
                                               : value >> static_cast<unsigned>(8 - maskBits);
    return (scaled << static_cast<unsigned>(maskShift)) & mask;
}

/// The image in the screen's own pixel format, uploaded to a new pixmap.
Pixmap uploadPixmap(Display* display, Window root, const Pixels& image) {
    const int screen = DefaultScreen(display);
    Visual* visual = DefaultVisual(display, screen);
    const auto depth = static_cast<unsigned>(DefaultDepth(display, screen));
    XImage* ximage = XCreateImage(display, visual, depth, ZPixmap, 0, nullptr,
                                  static_cast<unsigned>(image.width),
                                  static_cast<unsigned>(image.height), 32, 0);
    if (ximage == nullptr) {
        return None;
    }
    // XDestroyImage frees the data with free().
    ximage->data = static_cast<char*>(std::calloc(static_cast<std::size_t>(ximage->bytes_per_line),
                                                  static_cast<std::size_t>(image.height)));
    if (ximage->data == nullptr) {
        XDestroyImage(ximage);
        return None;
    }
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t rgb = image.at(x, y);
            XPutPixel(ximage, x, y,
                      channel(rgb, 16, visual->red_mask) | channel(rgb, 8, visual->green_mask) |
                          channel(rgb, 0, visual->blue_mask));
        }
    }
    const Pixmap pixmap = XCreatePixmap(display, root, static_cast<unsigned>(image.width),
                                        static_cast<unsigned>(image.height), depth);
    GC gc = XCreateGC(display, pixmap, 0, nullptr);
    XPutImage(display, pixmap, gc, ximage, 0, 0, 0, 0, static_cast<unsigned>(image.width),
              static_cast<unsigned>(image.height));
    XFreeGC(display, gc);
    XDestroyImage(ximage);
    return pixmap;
}

std::optional<Pixmap> pixmapProperty(Display* display, Window root, Atom name) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::optional<Pixmap> result;
    if (XGetWindowProperty(display, root, name, 0, 1, False, XA_PIXMAP, &type, &format, &count,
                           &after, &data) == Success &&
        type == XA_PIXMAP && format == 32 && count == 1 && data != nullptr) {
        result = *reinterpret_cast<Pixmap*>(data);
    }
    if (data != nullptr) {
        XFree(data);
    }
    return result;
}

/// Frees the resources of the setter that left the current background, when
/// both properties name its pixmap; a stale name is no error.
void freeEarlierPixmap(Display* display, Window root, Atom rootPmap, Atom esetroot) {
    const auto current = pixmapProperty(display, root, rootPmap);
    const auto retained = pixmapProperty(display, root, esetroot);
    if (current && retained && *current == *retained) {
        XKillClient(display, *retained);
    }
    XSync(display, False);
    lastXError = 0;
}

} // namespace

std::optional<std::string> setRootBackground(const Pixels& picture, WallpaperStyle style) {
    XSetErrorHandler(recordError);
    DisplayHandle display(XOpenDisplay(nullptr));
    if (!display) {
        return "cannot open the X display";
    }
    Display* d = display.get();
    const int screen = DefaultScreen(d);
    const Window root = RootWindow(d, screen);
    if (DefaultVisual(d, screen)->c_class != TrueColor) {
        return "the X screen has no true-colour visual";
    }
    const int width = DisplayWidth(d, screen);
    const int height = DisplayHeight(d, screen);
    const Pixels image =
        composeRoot(picture, width, height, monitorAreas(d, root, width, height), style);

    const Atom rootPmap = XInternAtom(d, "_XROOTPMAP_ID", False);
    const Atom esetroot = XInternAtom(d, "ESETROOT_PMAP_ID", False);
    freeEarlierPixmap(d, root, rootPmap, esetroot);
    XGrabServer(d);
    const Pixmap pixmap = uploadPixmap(d, root, image);
    if (pixmap == None) {
        XUngrabServer(d);
        return "out of memory for the screen's picture";
    }
    for (const Atom name : {rootPmap, esetroot}) {
        XChangeProperty(d, root, name, XA_PIXMAP, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(&pixmap), 1);
    }
    XSetWindowBackgroundPixmap(d, root, pixmap);
    XClearWindow(d, root);
    XUngrabServer(d);
    XSync(d, False);
    if (lastXError != 0) {
        return "the X server refused the background (error " + std::to_string(lastXError) + ")";
    }
    // The pixmap stays when this program ends; the next setter frees it.
    XSetCloseDownMode(d, RetainPermanent);
    return std::nullopt;
}

} // namespace tovra::platform::host::setroot
