#include "platform/emulated/DesktopIconList.h"

#include "platform/emulated/UserFolders.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <utility>

namespace tovra::platform::emulated {

namespace {

constexpr const char* kSection = "DesktopIcons";
constexpr std::size_t kBufferSize = 64;

template <typename Number>
std::optional<Number> parseNumber(std::string_view text, int base) {
    Number number{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return number;
}

int countVisibleEntries(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    int count = 0;
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        if (!it->path().filename().string().starts_with('.')) {
            ++count;
        }
    }
    return count;
}

} // namespace

std::string formatColor(std::uint32_t color) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", color);
    return text;
}

std::optional<std::uint32_t> parseColor(const std::string& text) {
    std::string_view view(text);
    if (view.starts_with("0x") || view.starts_with("0X")) {
        return parseNumber<std::uint32_t>(view.substr(2), 16);
    }
    return parseNumber<std::uint32_t>(view, 10);
}

DesktopIconList::DesktopIconList(ProfileFiles& profiles, StateRoot root)
    : profiles_(profiles)
    , root_(std::move(root)) {}

std::string DesktopIconList::fileName() const {
    return root_.file("DesktopIcons.ini").string();
}

std::string DesktopIconList::read(const std::string& key) const {
    return profiles_.readString(fileName(), kSection, key, "", kBufferSize);
}

bool DesktopIconList::write(const std::string& key, const std::string& value) {
    return root_.ensure() && profiles_.writeString(fileName(), kSection, key, value);
}

std::uint32_t DesktopIconList::readColor(const std::string& key, std::uint32_t fallback) const {
    return parseColor(read(key)).value_or(fallback);
}

bool DesktopIconList::visible() const {
    return read("Visible") != "0";
}

bool DesktopIconList::setVisible(bool visible) {
    return write("Visible", visible ? "1" : "0");
}

std::uint32_t DesktopIconList::textColor() const {
    return readColor("TextColor", kDefaultIconTextColor);
}

bool DesktopIconList::setTextColor(std::uint32_t color) {
    return write("TextColor", formatColor(color));
}

std::uint32_t DesktopIconList::textBkColor() const {
    return readColor("TextBkColor", kDefaultIconTextBkColor);
}

bool DesktopIconList::setTextBkColor(std::uint32_t color) {
    return write("TextBkColor", formatColor(color));
}

void DesktopIconList::takeSystemColors() {
    profiles_.deleteKey(fileName(), kSection, "TextColor");
    profiles_.deleteKey(fileName(), kSection, "TextBkColor");
}

std::uint64_t DesktopIconList::redrawCount() const {
    return parseNumber<std::uint64_t>(read("Redraws"), 10).value_or(0);
}

bool DesktopIconList::redraw() {
    return write("Redraws", std::to_string(redrawCount() + 1));
}

int DesktopIconList::itemCount() const {
    const auto folder = desktopFolder();
    return folder ? countVisibleEntries(*folder) : 0;
}

} // namespace tovra::platform::emulated
