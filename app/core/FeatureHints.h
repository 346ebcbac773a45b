#pragma once

// The texts of the main window's hint label: what each feature button, title
// button and the home-page button is called.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tovra::mainwindow {

inline constexpr std::size_t kFeatureButtonCount = 9;

/// The label text of feature button n (1 to 9); nothing for any other n.
[[nodiscard]] std::optional<std::string_view> featureHint(std::size_t n);

/// ShowFeatureHint's choice: the entered button's number is its position among
/// the feature buttons, which stand in number order. Nothing when the button
/// is not among them or its position has no text.
template <typename Control>
[[nodiscard]] std::optional<std::string_view> featureHintFor(std::span<Control* const> buttons,
                                                             const Control* entered) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i] == entered) {
            return featureHint(i + 1);
        }
    }
    return std::nullopt;
}

// The hints of the other controls, shown in the label when the mouse enters them.
inline constexpr std::string_view kHintTavro = "Tavro网站";
inline constexpr std::string_view kHintAlpha = "窗体透明";
inline constexpr std::string_view kHintAbout = "关于Tavro";
inline constexpr std::string_view kHintMinimise = "最小化";
inline constexpr std::string_view kHintClose = "关闭Tavro";

} // namespace tovra::mainwindow
