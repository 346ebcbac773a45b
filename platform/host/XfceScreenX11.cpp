// The X queries behind XfceScreen, through xcb: its errors come back as
// values, where Xlib's default handler would end the program, and a
// connection of its own on the wallpaper worker's thread shares nothing with
// the interface's.

#include "platform/host/XfceSetter.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <xcb/randr.h>
#include <xcb/xcb.h>

namespace tovra::platform::host {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

/// Whether the server has RandR 1.3, whose GetScreenResourcesCurrent
/// answers from what it knows without probing the outputs again.
bool hasRandr13(xcb_connection_t* x) {
    const xcb_query_extension_reply_t* randr = xcb_get_extension_data(x, &xcb_randr_id);
    if (randr == nullptr || randr->present == 0) {
        return false;
    }
    const Reply<xcb_randr_query_version_reply_t> version(
        xcb_randr_query_version_reply(x, xcb_randr_query_version(x, 1, 3), nullptr));
    return version && (version->major_version > 1 ||
                       (version->major_version == 1 && version->minor_version >= 3));
}

/// The outputs that are not known to be disconnected, as GTK counts a
/// monitor's output, by name.
std::vector<std::string> connectedOutputs(xcb_connection_t* x, xcb_window_t root) {
    std::vector<std::string> names;
    if (!hasRandr13(x)) {
        return names;
    }
    const Reply<xcb_randr_get_screen_resources_current_reply_t> resources(
        xcb_randr_get_screen_resources_current_reply(
            x, xcb_randr_get_screen_resources_current(x, root), nullptr));
    if (!resources) {
        return names;
    }
    const xcb_randr_output_t* outputs =
        xcb_randr_get_screen_resources_current_outputs(resources.get());
    const int count = xcb_randr_get_screen_resources_current_outputs_length(resources.get());
    // Every question first, then the answers: one round trip for all outputs.
    std::vector<xcb_randr_get_output_info_cookie_t> asked;
    for (int i = 0; i < count; ++i) {
        asked.push_back(xcb_randr_get_output_info(x, outputs[i], resources->config_timestamp));
    }
    for (const auto& cookie : asked) {
        const Reply<xcb_randr_get_output_info_reply_t> info(
            xcb_randr_get_output_info_reply(x, cookie, nullptr));
        if (info && info->connection != XCB_RANDR_CONNECTION_DISCONNECTED) {
            names.emplace_back(
                reinterpret_cast<const char*>(xcb_randr_get_output_info_name(info.get())),
                static_cast<std::size_t>(xcb_randr_get_output_info_name_length(info.get())));
        }
    }
    return names;
}

/// The root window's _NET_NUMBER_OF_DESKTOPS; 0 without it.
long workspaceCount(xcb_connection_t* x, xcb_window_t root) {
    constexpr std::string_view kName = "_NET_NUMBER_OF_DESKTOPS";
    const Reply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 1, static_cast<std::uint16_t>(kName.size()), kName.data()), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE) {
        return 0;
    }
    const Reply<xcb_get_property_reply_t> property(xcb_get_property_reply(
        x, xcb_get_property(x, 0, root, atom->atom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!property || property->format != 32 || xcb_get_property_value_length(property.get()) < 4) {
        return 0;
    }
    std::uint32_t count = 0;
    std::memcpy(&count, xcb_get_property_value(property.get()), sizeof count);
    return static_cast<long>(count);
}

} // namespace

XfceScreen queryXfceScreen() {
    int screenNumber = 0;
    // Even a connection that failed is freed with xcb_disconnect.
    const std::unique_ptr<xcb_connection_t, Disconnect> x(xcb_connect(nullptr, &screenNumber));
    if (xcb_connection_has_error(x.get()) != 0) {
        return {};
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(x.get()));
    for (; screens.rem > 0 && screenNumber > 0; --screenNumber) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        return {};
    }
    const xcb_window_t root = screens.data->root;
    return {connectedOutputs(x.get(), root), workspaceCount(x.get(), root)};
}

} // namespace tovra::platform::host
