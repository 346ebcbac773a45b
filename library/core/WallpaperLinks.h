#pragma once

// The links page of the library window: wallpaper and picture pages that a
// click hands to the default browser. Six rows of two columns, then the last
// link below the note.

#include <array>
#include <string_view>

namespace tovra::library {

struct WallpaperLink {
    std::string_view control; // the link label's name
    std::string_view caption;
    std::string_view address;
    int column; // 0 left, 1 right; -1 the last link, below the note
    int row;    // 0 to 5
};

inline constexpr std::array<WallpaperLink, 13> kWallpaperLinks = {{
    {"bsSkinLinkLabel1", "时空桌面", "https://unsplash.com/wallpapers", 0, 0},
    {"bsSkinLinkLabel3", "美女明星", "https://pixabay.com/images/search/actress/", 0, 1},
    {"bsSkinLinkLabel4", "世界名车", "https://pixabay.com/images/search/sports%20car/", 0, 2},
    {"bsSkinLinkLabel2", "电影电视", "https://pixabay.com/images/search/cinema/", 0, 3},
    {"bsSkinLinkLabel5", "体育明星", "https://pixabay.com/images/search/athlete/", 0, 4},
    {"bsSkinLinkLabel6", "名胜风景", "https://pixabay.com/images/search/landscape/", 0, 5},
    {"bsSkinLinkLabel7", "军事武器", "https://pixabay.com/images/search/military/", 1, 0},
    {"bsSkinLinkLabel8", "卡通游戏", "https://pixabay.com/images/search/cartoon/", 1, 1},
    {"bsSkinLinkLabel9", "精彩桌面", "https://wallhaven.cc/", 1, 2},
    {"bsSkinLinkLabel10", "Lycos图库",
     "https://commons.wikimedia.org/wiki/Category:Featured_pictures_on_Wikimedia_Commons", 1, 3},
    {"bsSkinLinkLabel11", "天极桌面", "https://simpledesktops.com/", 1, 4},
    {"bsSkinLinkLabel12", "桌面华网", "https://www.gnome-look.org/", 1, 5},
    {"bsSkinLinkLabel13", "推荐壁纸网站", "https://www.reddit.com/r/wallpapers/", -1, 0},
}};

/// The note above the last link, one text per line.
inline constexpr std::array<std::string_view, 3> kLinksNote = {
    "欢迎推荐经典的壁纸网站", "我将会增加到新的版本中", "并注明推荐人姓名"};

} // namespace tovra::library
