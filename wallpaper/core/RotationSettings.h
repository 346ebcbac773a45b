#pragma once

// The rotation settings window's record and rules: how often the wallpaper
// changes ("setsize" units of "setname" in " setting"), how it is displayed
// ("setshow" in " SettingShow") and how the next picture is chosen ("setmode"
// in " PicSelectmode"). The window only copies the record to and from its
// controls; what they show after loading, and what a save writes, is decided
// here.

#include "settings/IniFile.h"

#include <array>
#include <string>
#include <string_view>

namespace tovra::wallpaper {

/// A period unit: its stored name, the track bar's range for it and the word
/// shown beside the number.
struct PeriodUnit {
    std::string_view name;
    int minimum;
    int maximum;
    std::string_view caption;
};

/// The units in the order of the unit radio group ("按小时", "按天", "按周").
inline constexpr std::array<PeriodUnit, 3> kPeriodUnits = {{
    {"hour", 1, 24, "小时"},
    {"day", 1, 7, "天"},
    {"week", 1, 4, "周"},
}};
/// "居中", "平铺", "拉伸", "智能设置": the display styles 0 to 3.
inline constexpr int kDisplayStyleCount = 4;
/// "顺序选择", "随机选择": SelectMode 0 and 1.
inline constexpr int kSelectModeCount = 2;

/// What the window's controls show. Default-constructed: the form before
/// loading. Radio indexes are -1 while nothing is selected.
struct RotationSettings {
    int unit = -1;                 // RadioGroup1, an index of kPeriodUnits
    int sizeMinimum = 0;           // tbnum's range ...
    int sizeMaximum = 100;         //
    int size = 50;                 // ... and position: the number of units
    std::string sizeText = "1";    // LabelTimeSize
    std::string unitText = "小时"; // labelSelectShow
    int style = -1;                // RadioGroup2: DisplayStyle
    int mode = -1;                 // RadioGroup3: SelectMode

    friend bool operator==(const RotationSettings&, const RotationSettings&) = default;
};

/// The unit radio group's click: the track bar takes the selected unit's
/// range (a position outside it moves to the nearer end) and the unit's word.
/// The number shown follows a position that the new range moved, so that it
/// never names another number than the one a save writes. Nothing changes
/// while no unit is selected.
void applyUnit(RotationSettings& settings);

/// Selects a unit as the radio group does (toolkit/core/ItemIndex.h); a
/// change of the selection runs applyUnit.
void selectUnit(RotationSettings& settings, int index);

/// Moves the track bar: the position stays inside the range, and a position
/// that changed is shown as the number.
void moveSize(RotationSettings& settings, int value);

/// Loads the stored settings into settings, in the window's order: the
/// number ("setsize"), the unit ("setname", compared exactly), the style and
/// the selection mode; then sets selectMode from the selected mode (left as it
/// is when no mode is selected). Throws tovra::Error, having changed nothing,
/// when "setsize" is not an integer.
void LoadRotationSettings(const settings::IniFile& ini, std::string_view sectionPrefix,
                          RotationSettings& settings, int& selectMode);

/// Writes, in this order: "setsize" (the position), "setname" (only with a
/// unit selected), "setshow" (-1 with no style selected), "setmode" (only
/// with a mode selected). Throws settings::IniFileError at the write that
/// fails; the ones before it stay written.
void SaveRotationSettings(settings::IniFile& ini, std::string_view sectionPrefix,
                          const RotationSettings& settings);

} // namespace tovra::wallpaper
