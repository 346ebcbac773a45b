#include "platform/emulated/EmulatedScreen.h"

#include "platform/emulated/SystemColors.h"

#include <utility>

namespace tovra::platform::emulated {

namespace {

constexpr const char* kSection = "Colors";
constexpr std::size_t kBufferSize = 64;
constexpr std::int16_t kKeyDown = static_cast<std::int16_t>(0x8000);

} // namespace

EmulatedScreen::EmulatedScreen(HostDesktop& host, ProfileFiles& profiles, StateRoot root,
                               DesktopIconList* iconList)
    : host_(host)
    , profiles_(profiles)
    , root_(std::move(root))
    , iconList_(iconList) {}

std::string EmulatedScreen::fileName() const {
    return root_.file("SystemColors.ini").string();
}

int EmulatedScreen::getSystemMetrics(int index) {
    switch (index) {
    case kSmCxScreen:
        return host_.screenGeometry().width();
    case kSmCyScreen:
        return host_.screenGeometry().height();
    default:
        return 0;
    }
}

std::int16_t EmulatedScreen::getAsyncKeyState(int virtualKey) {
    return (virtualKey == kVkLButton && host_.leftButtonDown()) ? kKeyDown : std::int16_t{0};
}

std::uint32_t EmulatedScreen::getSysColor(int index) {
    const auto color = systemColor(index);
    if (!color) {
        return 0;
    }
    const std::string stored =
        profiles_.readString(fileName(), kSection, std::string(color->name), "", kBufferSize);
    return parseRgb(stored).value_or(color->defaultColor);
}

bool EmulatedScreen::setSysColors(std::span<const int> elements,
                                  std::span<const std::uint32_t> colors) {
    if (elements.size() != colors.size() || !root_.ensure()) {
        return false;
    }
    bool ok = true;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (const auto color = systemColor(elements[i])) {
            ok = profiles_.writeString(fileName(), kSection, std::string(color->name),
                                       formatRgb(colors[i])) &&
                 ok;
        }
    }
    if (iconList_ != nullptr) {
        iconList_->takeSystemColors();
    }
    return ok;
}

} // namespace tovra::platform::emulated
