#include "platform/emulated/SystemColors.h"

#include <array>
#include <charconv>

namespace tovra::platform::emulated {

namespace {

constexpr std::uint32_t rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | (green << 8) | (blue << 16);
}

constexpr std::array<SystemColor, kSystemColorCount> kColors{{
    {"Scrollbar", rgb(212, 208, 200)},
    {"Background", rgb(58, 110, 165)},
    {"ActiveTitle", rgb(10, 36, 106)},
    {"InactiveTitle", rgb(128, 128, 128)},
    {"Menu", rgb(212, 208, 200)},
    {"Window", rgb(255, 255, 255)},
    {"WindowFrame", rgb(0, 0, 0)},
    {"MenuText", rgb(0, 0, 0)},
    {"WindowText", rgb(0, 0, 0)},
    {"TitleText", rgb(255, 255, 255)},
    {"ActiveBorder", rgb(212, 208, 200)},
    {"InactiveBorder", rgb(212, 208, 200)},
    {"AppWorkSpace", rgb(128, 128, 128)},
    {"Hilight", rgb(10, 36, 106)},
    {"HilightText", rgb(255, 255, 255)},
    {"ButtonFace", rgb(212, 208, 200)},
    {"ButtonShadow", rgb(128, 128, 128)},
    {"GrayText", rgb(128, 128, 128)},
    {"ButtonText", rgb(0, 0, 0)},
    {"InactiveTitleText", rgb(212, 208, 200)},
    {"ButtonHilight", rgb(255, 255, 255)},
    {"ButtonDkShadow", rgb(64, 64, 64)},
    {"ButtonLight", rgb(212, 208, 200)},
    {"InfoText", rgb(0, 0, 0)},
    {"InfoWindow", rgb(255, 255, 225)},
    {"ButtonAlternateFace", rgb(181, 181, 181)},
    {"HotTrackingColor", rgb(0, 0, 128)},
    {"GradientActiveTitle", rgb(166, 202, 240)},
    {"GradientInactiveTitle", rgb(192, 192, 192)},
    {"MenuHilight", rgb(10, 36, 106)},
    {"MenuBar", rgb(212, 208, 200)},
}};

/// One number 0 to 255 at the start of text (after blanks); moves past it.
std::optional<std::uint32_t> takeComponent(std::string_view& text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || value > 255) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

} // namespace

std::optional<SystemColor> systemColor(int index) {
    if (index < 0 || index >= kSystemColorCount) {
        return std::nullopt;
    }
    return kColors[static_cast<std::size_t>(index)];
}

std::string formatRgb(std::uint32_t color) {
    return std::to_string(color & 0xFF) + ' ' + std::to_string((color >> 8) & 0xFF) + ' ' +
           std::to_string((color >> 16) & 0xFF);
}

std::optional<std::uint32_t> parseRgb(std::string_view text) {
    const auto red = takeComponent(text);
    const bool separated = !text.empty() && (text.front() == ' ' || text.front() == '\t');
    const auto green = separated ? takeComponent(text) : std::nullopt;
    const bool separatedAgain = !text.empty() && (text.front() == ' ' || text.front() == '\t');
    const auto blue = separatedAgain ? takeComponent(text) : std::nullopt;
    if (!red || !green || !blue || text.find_first_not_of(" \t") != std::string_view::npos) {
        return std::nullopt;
    }
    return rgb(*red, *green, *blue);
}

} // namespace tovra::platform::emulated
