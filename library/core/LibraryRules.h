#pragma once

// What the wallpaper library may store and which sections are its categories.
// The library keeps no file of its own: each category is a section of the
// settings file and each picture a key (its full path) with an empty value,
// beside the program's own sections, which all carry the main window's caption.

#include <array>
#include <string_view>

namespace tovra::library {

/// The categories offered by "分类推荐", in the order they are created.
inline constexpr std::array<std::string_view, 6> kRecommendedCategories = {
    "名胜风景", "世界名车", "体育明星", "电影明星", "军事武器", "卡通游戏"};

/// Whether two names reach one section: the settings file ignores letter
/// case and the blanks around a name.
[[nodiscard]] bool sameSectionName(std::string_view a, std::string_view b);

/// Whether a section name reaches one of the program's own sections (the
/// section prefix and one of its suffixes) in the settings file, in any
/// letter case: "tovradesktop picnamelist" is the wallpaper list.
[[nodiscard]] bool isProgramSection(std::string_view section, std::string_view sectionPrefix);

/// Whether a section of the settings file is a library category: any section
/// whose name does not hold the section prefix anywhere, compared with case
/// (a plain substring test, so "xTovraDesktopx" is the program's, "tovradesktop" a category),
/// and that is not one of the program's own sections in another letter case.
[[nodiscard]] bool isCategorySection(std::string_view section, std::string_view sectionPrefix);

/// Whether a name typed for a category can become one: it must survive being
/// a section header (not blank, no "]", no line break) and be listed as a
/// category afterwards (isCategorySection).
[[nodiscard]] bool isCategoryName(std::string_view name, std::string_view sectionPrefix);

} // namespace tovra::library
