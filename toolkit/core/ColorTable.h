#pragma once

// The colour list of the colour pickers (toolkit::ColorComboBox): 50 entries
// in a fixed order, each shown by its name; the desktop-icon window offers
// them all, the painting window the first 16. Values are 0x00BBGGRR; a
// system colour is 0xFF000000 plus the Windows system colour index, sent to
// the shell unchanged.

#include <array>
#include <cstdint>
#include <string_view>

namespace tovra::toolkit {

struct PickerColor {
    std::string_view name;
    std::uint32_t value;
};

inline constexpr std::uint32_t kSystemColor = 0xFF000000u;

inline constexpr std::array<PickerColor, 50> kPickerColors = {{
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", kSystemColor + 10},
    {"clActiveCaption", kSystemColor + 2},
    {"clAppWorkSpace", kSystemColor + 12},
    {"clBackground", kSystemColor + 1},
    {"clBtnFace", kSystemColor + 15},
    {"clBtnHighlight", kSystemColor + 20},
    {"clBtnShadow", kSystemColor + 16},
    {"clBtnText", kSystemColor + 18},
    {"clCaptionText", kSystemColor + 9},
    {"clGradientActiveCaption", kSystemColor + 27},
    {"clGradientInactiveCaption", kSystemColor + 28},
    {"clGrayText", kSystemColor + 17},
    {"clHighlight", kSystemColor + 13},
    {"clHighlightText", kSystemColor + 14},
    {"clHotLight", kSystemColor + 26},
    {"clInactiveBorder", kSystemColor + 11},
    {"clInactiveCaption", kSystemColor + 3},
    {"clInactiveCaptionText", kSystemColor + 19},
    {"clInfoBk", kSystemColor + 24},
    {"clInfoText", kSystemColor + 23},
    {"clMenu", kSystemColor + 4},
    {"clMenuBar", kSystemColor + 30},
    {"clMenuHighlight", kSystemColor + 29},
    {"clMenuText", kSystemColor + 7},
    {"clScrollBar", kSystemColor + 0},
    {"cl3DDkShadow", kSystemColor + 21},
    {"cl3DLight", kSystemColor + 22},
    {"clWindow", kSystemColor + 5},
    {"clWindowFrame", kSystemColor + 6},
    {"clWindowText", kSystemColor + 8},
}};

/// The first 16 entries are the standard colours, clBlack to clWhite.
inline constexpr int kStandardColorCount = 16;

/// A stored picker index as the picker shows it: an index outside 0..49
/// (-1 is stored for a picker that had no selection) shows clBlack, index 0.
[[nodiscard]] constexpr int pickerIndexOrBlack(int stored) {
    return stored >= 0 && stored < static_cast<int>(kPickerColors.size()) ? stored : 0;
}

/// The value of a picker entry; the index is one pickerIndexOrBlack gave.
[[nodiscard]] constexpr std::uint32_t pickerColor(int index) {
    return kPickerColors[static_cast<std::size_t>(pickerIndexOrBlack(index))].value;
}

} // namespace tovra::toolkit
