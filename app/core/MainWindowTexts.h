#pragma once

// The questions the main window asks, and where its home-page button leads.

#include <string_view>

namespace tovra::mainwindow {

inline constexpr std::string_view kPromptCaption = "Tavro提示";
inline constexpr std::string_view kHomePageQuestion = "单击确定按钮将要到\"Tavro桌面精灵\"的家园";
inline constexpr std::string_view kAutostartOffQuestion =
    "你是否真的要关闭\"Tavro桌面精灵\"开机自动运行功能，\r"
    "单击‘确定’关闭功能，否则单击‘取消’。";
/// The product's home page. The reserved .example name keeps the button from
/// leading anywhere until the product has a real address.
inline constexpr std::string_view kHomePage = "https://www.tovradesktop.example/";

} // namespace tovra::mainwindow
