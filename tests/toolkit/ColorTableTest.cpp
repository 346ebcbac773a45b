// The colour pickers' 50 entries, and what a stored index shows.

#include "toolkit/core/ColorTable.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tovra::toolkit {
namespace {

TEST(ColorTable, FiftyEntriesByNameAndValueInOrder) {
    // Written out from the list the pickers show; system colours as their index.
    const char* expected =
        "clBlack 0 clMaroon 80 clGreen 8000 clOlive 8080 clNavy 800000 clPurple 800080 "
        "clTeal 808000 clGray 808080 clSilver c0c0c0 clRed ff clLime ff00 clYellow ffff "
        "clBlue ff0000 clFuchsia ff00ff clAqua ffff00 clWhite ffffff clMoneyGreen c0dcc0 "
        "clSkyBlue f0caa6 clCream f0fbff clMedGray a4a0a0 clActiveBorder s10 "
        "clActiveCaption s2 clAppWorkSpace s12 clBackground s1 clBtnFace s15 "
        "clBtnHighlight s20 clBtnShadow s16 clBtnText s18 clCaptionText s9 "
        "clGradientActiveCaption s27 clGradientInactiveCaption s28 clGrayText s17 "
        "clHighlight s13 clHighlightText s14 clHotLight s26 clInactiveBorder s11 "
        "clInactiveCaption s3 clInactiveCaptionText s19 clInfoBk s24 clInfoText s23 "
        "clMenu s4 clMenuBar s30 clMenuHighlight s29 clMenuText s7 clScrollBar s0 "
        "cl3DDkShadow s21 cl3DLight s22 clWindow s5 clWindowFrame s6 clWindowText s8 ";
    std::ostringstream table;
    for (const auto& color : kPickerColors) {
        table << color.name << ' ';
        if ((color.value & 0xFF000000u) == kSystemColor) {
            table << 's' << std::dec << (color.value & 0xFFu) << ' ';
        } else {
            table << std::hex << color.value << ' ';
        }
    }
    EXPECT_EQ(table.str(), expected);
}

TEST(ColorTable, StoredIndexOutsideTheListShowsBlack) {
    for (const auto& [stored, shown] :
         std::initializer_list<std::pair<int, int>>{{-1, 0}, {0, 0}, {49, 49}, {50, 0}, {-7, 0}}) {
        EXPECT_EQ(pickerIndexOrBlack(stored), shown) << stored;
    }
}

} // namespace
} // namespace tovra::toolkit
