// The wallpaper list section: what adding, removing and clearing leave in the
// settings file, and that adding many at once leaves the same file as adding
// each on its own.

#include "wallpaper/core/PicNameList.h"

#include "platform/emulated/EmulatedProfileFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace tovra::wallpaper {
namespace {

const std::string kBefore = "[TovraDesktop PicNameList]\r\nC:\\p\\a.jpg=\r\nC:\\p\\b.bmp=\r\n"
                            "[Other]\r\nk=v\r\n";

class PicNameListTest : public testing::Test {
protected:
    PicNameListTest() { tovra::test::writeBytes(ini.fileName(), kBefore); }
    std::string bytes() const { return tovra::test::readBytes(ini.fileName()); }

    tovra::test::TempDir scratch;
    platform::emulated::EmulatedProfileFiles profiles;
    settings::IniFile ini{profiles, scratch.file("TovraDesktop.ini")};
    PicNameList list{ini};
};

struct AddCase {
    const char* name;
    std::string path;
    bool added;
};

class PicNameListAddTest : public PicNameListTest, public testing::WithParamInterface<AddCase> {};

TEST_P(PicNameListAddTest, AddsAtTheEndOrLeavesTheFileAlone) {
    EXPECT_EQ(list.add(GetParam().path), GetParam().added);
    const std::string after =
        GetParam().added ? "[TovraDesktop PicNameList]\r\nC:\\p\\a.jpg=\r\nC:\\p\\b.bmp=\r\n" +
                               GetParam().path + "=\r\n[Other]\r\nk=v\r\n"
                         : kBefore;
    EXPECT_EQ(bytes(), after);
}

INSTANTIATE_TEST_SUITE_P(Paths, PicNameListAddTest,
                         testing::Values(AddCase{"NewPath", "C:\\p\\c.gif", true},
                                         AddCase{"ChineseName", "C:\\图片\\风景.jpg", true},
                                         AddCase{"AlreadyListedInOtherCase", "c:\\P\\A.JPG", false},
                                         AddCase{"Empty", "", false},
                                         AddCase{"HoldsEquals", "C:\\a=b.jpg", false},
                                         AddCase{"LeadingBlank", " C:\\p\\c.gif", false},
                                         AddCase{"LineBreak", "C:\\p\\c\r\n.gif", false},
                                         AddCase{"CommentMark", ";c.gif", false}),
                         [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(PicNameListTest, RemovesOnlyThePathsOwnLine) {
    list.remove("C:\\P\\A.jpg");
    list.remove("C:\\p\\missing.jpg");
    EXPECT_EQ(bytes(), "[TovraDesktop PicNameList]\r\nC:\\p\\b.bmp=\r\n[Other]\r\nk=v\r\n");
    EXPECT_EQ(list.load(), std::vector<std::string>{"C:\\p\\b.bmp"});
}

TEST_F(PicNameListTest, ClearRemovesTheSection) {
    list.clear();
    EXPECT_EQ(bytes(), "[Other]\r\nk=v\r\n");
    EXPECT_TRUE(list.load().empty());
}

TEST_F(PicNameListTest, AddingAllAtOnceEndsAsAddingEachAlone) {
    const std::vector<std::string> paths = {
        "C:\\p\\c.gif", "", "C:\\P\\B.BMP", "C:\\p\\d=e.jpg", "C:\\p\\f.jpg", "c:\\p\\F.JPG"};
    for (const std::string& path : paths) {
        list.add(path);
    }
    const std::string oneByOne = bytes();
    tovra::test::writeBytes(ini.fileName(), kBefore);

    EXPECT_EQ(list.addAll(paths), (std::vector<std::string>{"C:\\p\\c.gif", "C:\\p\\f.jpg"}));
    EXPECT_EQ(bytes(), oneByOne);
    EXPECT_TRUE(list.addAll(paths).empty());
    EXPECT_EQ(bytes(), oneByOne);
}

TEST_F(PicNameListTest, AddingAllCreatesTheSection) {
    list.clear();
    const std::vector<std::string> paths = {"/home/u/a.jpg", "/home/u/b.jpg"};
    EXPECT_EQ(list.addAll(paths), paths);
    EXPECT_EQ(list.load(), paths);
}

} // namespace
} // namespace tovra::wallpaper
