// The library's rules on names and paths, and how a picture shows in the window.

#include "library/core/LibraryRules.h"

#include "library/core/PictureItems.h"
#include "settings/SettingsIndex.h"

#include <gtest/gtest.h>
#include <string_view>

namespace tovra::library {
namespace {

struct NameCase {
    std::string_view name;
    bool listed;    // isCategorySection
    bool creatable; // isCategoryName
};

class CategoryNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(CategoryNames, ListedAndCreatable) {
    const NameCase& tested = GetParam();
    EXPECT_EQ(isCategorySection(tested.name, settings::kSectionPrefix), tested.listed);
    EXPECT_EQ(isCategoryName(tested.name, settings::kSectionPrefix), tested.creatable);
}

INSTANTIATE_TEST_SUITE_P(Table, CategoryNames,
                         ::testing::Values(NameCase{"名胜风景", true, true},
                                           NameCase{" 世界 名车 ", true, true},
                                           NameCase{"TovraDesktop PicNameList", false, false},
                                           NameCase{"xTovraDesktopx", false, false},
                                           NameCase{"tovradesktop", true, true},
                                           NameCase{" tovradesktop PICNAMELIST ", false, false},
                                           NameCase{"tovradesktop PicNameLists", true, true},
                                           NameCase{"", true, false}, NameCase{" \t ", true, false},
                                           NameCase{"a]b", true, false}, NameCase{"[a", true, true},
                                           NameCase{"a\nb", true, false},
                                           NameCase{"a\rb", true, false}));

struct ItemCase {
    std::string_view path;
    std::string_view caption;
    LibraryImage image;
};

class PictureItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(PictureItems, CaptionAndImage) {
    EXPECT_EQ(pictureCaption(GetParam().path), GetParam().caption);
    EXPECT_EQ(pictureImage(GetParam().path), GetParam().image);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PictureItems,
    ::testing::Values(ItemCase{"D:\\Pictures\\lake.jpg", "lake.jpg", LibraryImage::Jpg},
                      ItemCase{"D:\\Pictures\\湖.JPEG", "湖.JPEG", LibraryImage::Jpg},
                      ItemCase{"C:x.Bmp", "x.Bmp", LibraryImage::Bmp},
                      ItemCase{"/home/u/a.gif", "a.gif", LibraryImage::Gif},
                      ItemCase{"D:\\a.ico", "a.ico", LibraryImage::ClosedFolder},
                      ItemCase{"D:\\a.wmf", "a.wmf", LibraryImage::ClosedFolder},
                      ItemCase{"D:\\b.jpg\\noextension", "noextension", LibraryImage::ClosedFolder},
                      ItemCase{"D:\\a.jpg.png", "a.jpg.png", LibraryImage::ClosedFolder}));

} // namespace
} // namespace tovra::library
