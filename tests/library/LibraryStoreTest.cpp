// The library store against real settings files, over this build's
// profile-file backend: each row starts from a file as a user could have it,
// runs one operation and compares the whole file afterwards.

#include "library/core/LibraryStore.h"

#include "settings/SettingsIndex.h"
#include "tests/settings/SettingsFileBackends.h"
#include "tests/support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace tovra::library {
namespace {

using settings::test::SettingsFileBackend;
using Names = std::vector<std::string>;

constexpr const char* kOwnSections = "[TovraDesktop SecondNum]\r\ntime=3500\r\n"
                                     "[TovraDesktop PicNameList]\r\nD:\\a.jpg=\r\n";
constexpr const char* kSix = "[名胜风景]\r\n[世界名车]\r\n[体育明星]\r\n[电影明星]\r\n"
                             "[军事武器]\r\n[卡通游戏]\r\n";
constexpr const char* kTwoCategories = "[风景]\r\nD:\\P\\lake.jpg=\r\nD:\\P\\Sea.bmp=\r\n"
                                       "[TovraDesktop SecondNum]\r\ntime=3500\r\n"
                                       "[动物]\r\nD:\\P\\cat.gif=\r\n";

struct StoreCase {
    const char* name;
    std::optional<std::string> before; // no file when missing
    std::function<void(LibraryStore&)> operation;
    std::optional<std::string> after; // the file's text; no file when missing
    Names categories;
};

class LibraryStoreTest
    : public ::testing::TestWithParam<std::tuple<SettingsFileBackend, StoreCase>> {};

TEST_P(LibraryStoreTest, OperationLeavesTheFile) {
    const auto& [backend, tested] = GetParam();
    const tovra::test::TempDir dir;
    const std::string file = dir.file("TovraDesktop.ini");
    if (tested.before) {
        tovra::test::writeBytes(file, backend.fileBytes(*tested.before));
    }
    const auto profiles = backend.create();
    settings::IniFile ini(*profiles, file);
    LibraryStore store(ini, settings::kSectionPrefix);
    tested.operation(store);
    if (tested.after) {
        EXPECT_EQ(tovra::test::readBytes(file), backend.fileBytes(*tested.after));
    } else {
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    EXPECT_EQ(store.categories(), tested.categories);
}

std::string withTwoCategories(const std::string& tail) {
    return kTwoCategories + tail;
}

const StoreCase kCases[] = {
    {"FirstUseOnMissingFileCreatesTheSix",
     std::nullopt,
     [](LibraryStore& s) { EXPECT_EQ(s.loadCategories().size(), 6u); },
     kSix,
     {"名胜风景", "世界名车", "体育明星", "电影明星", "军事武器", "卡通游戏"}},
    {"FirstUseWithOwnSectionsOnlyCreatesNothing",
     kOwnSections,
     [](LibraryStore& s) { EXPECT_TRUE(s.loadCategories().empty()); },
     kOwnSections,
     {}},
    {"RecommendedOnlyWhereMissing",
     "[TovraDesktop SecondNum]\r\ntime=1\r\n[体育明星]\r\nD:\\q.jpg=\r\n[电影明星]\r\n",
     [](LibraryStore& s) { s.createRecommendedCategories(); },
     "[TovraDesktop SecondNum]\r\ntime=1\r\n[体育明星]\r\nD:\\q.jpg=\r\n[电影明星]\r\n"
     "[名胜风景]\r\n[世界名车]\r\n[军事武器]\r\n[卡通游戏]\r\n",
     {"体育明星", "电影明星", "名胜风景", "世界名车", "军事武器", "卡通游戏"}},
    {"CreateAppendsABareHeader",
     kTwoCategories,
     [](LibraryStore& s) { EXPECT_TRUE(s.createCategory("花卉")); },
     withTwoCategories("[花卉]\r\n"),
     {"风景", "动物", "花卉"}},
    {"CreateExistingInOtherCaseKeepsIt",
     "[Cars]\r\nD:\\c.jpg=\r\n",
     [](LibraryStore& s) { EXPECT_TRUE(s.createCategory(" cars ")); },
     "[Cars]\r\nD:\\c.jpg=\r\n",
     {"Cars"}},
    {"CreateRefusesANameNeverListed",
     std::nullopt,
     [](LibraryStore& s) {
         EXPECT_FALSE(s.createCategory("my TovraDesktop"));
         EXPECT_FALSE(s.createCategory("a]b"));
         EXPECT_FALSE(s.createCategory("  "));
     },
     std::nullopt,
     {}},
    {"ListSkipsEverySectionHoldingTheCaption",
     "[xTovraDesktopx]\r\n[tovradesktop]\r\n[By hand]\r\nk=v\r\n",
     [](LibraryStore&) {},
     "[xTovraDesktopx]\r\n[tovradesktop]\r\n[By hand]\r\nk=v\r\n",
     {"tovradesktop", "By hand"}},
    // The file finds the program's sections in any letter case: named so,
    // they are none of the library's to create, rename or erase.
    {"ProgramSectionsInAnotherCaseAreLeftAlone",
     kOwnSections,
     [](LibraryStore& s) {
         EXPECT_FALSE(s.createCategory("tovradesktop setting"));
         EXPECT_FALSE(s.renameCategory("tovradesktop PICNAMELIST", "风景"));
         s.deleteCategory(" TOVRADESKTOP secondnum ");
     },
     kOwnSections,
     {}},
    {"RenameMovesKeysInOrderToTheEnd",
     kTwoCategories,
     [](LibraryStore& s) { EXPECT_TRUE(s.renameCategory("风景", "山水")); },
     "[TovraDesktop SecondNum]\r\ntime=3500\r\n[动物]\r\nD:\\P\\cat.gif=\r\n"
     "[山水]\r\nD:\\P\\lake.jpg=\r\nD:\\P\\Sea.bmp=\r\n",
     {"动物", "山水"}},
    {"RenameEmptyLeavesABareHeader",
     "[空]\r\n[TovraDesktop SecondNum]\r\ntime=1\r\n",
     [](LibraryStore& s) { EXPECT_TRUE(s.renameCategory("空", "新")); },
     "[TovraDesktop SecondNum]\r\ntime=1\r\n[新]\r\n",
     {"新"}},
    {"RenameIntoAnExistingSectionJoinsIt",
     kTwoCategories,
     [](LibraryStore& s) {
         s.addPictures("动物", {"d:\\p\\SEA.BMP"});
         EXPECT_TRUE(s.renameCategory("风景", "动物"));
     },
     "[TovraDesktop SecondNum]\r\ntime=3500\r\n"
     "[动物]\r\nD:\\P\\cat.gif=\r\nd:\\p\\SEA.BMP=\r\nD:\\P\\lake.jpg=\r\n",
     {"动物"}},
    {"RenameOntoItselfMovesItToTheEnd",
     kTwoCategories,
     [](LibraryStore& s) { EXPECT_TRUE(s.renameCategory("风景", "风景")); },
     "[TovraDesktop SecondNum]\r\ntime=3500\r\n[动物]\r\nD:\\P\\cat.gif=\r\n"
     "[风景]\r\nD:\\P\\lake.jpg=\r\nD:\\P\\Sea.bmp=\r\n",
     {"动物", "风景"}},
    {"RenameToARefusedNameChangesNothing",
     kTwoCategories,
     [](LibraryStore& s) { EXPECT_FALSE(s.renameCategory("风景", "TovraDesktop 风景")); },
     kTwoCategories,
     {"风景", "动物"}},
    {"DeleteErasesHeaderAndKeys",
     kTwoCategories,
     [](LibraryStore& s) { s.deleteCategory("风景"); },
     "[TovraDesktop SecondNum]\r\ntime=3500\r\n[动物]\r\nD:\\P\\cat.gif=\r\n",
     {"动物"}},
    {"AddAppendsNewPathsOnceEach",
     kTwoCategories,
     [](LibraryStore& s) {
         EXPECT_EQ(s.addPictures("动物", {"D:\\P\\dog.jpg", "d:\\p\\CAT.GIF", "D:\\P\\a=b.jpg",
                                          "D:\\P\\Dog.JPG", "D:\\P\\fox.bmp"}),
                   2u);
     },
     withTwoCategories("D:\\P\\dog.jpg=\r\nD:\\P\\fox.bmp=\r\n"),
     {"风景", "动物"}},
    {"AddToAMissingCategoryCreatesIt",
     std::nullopt,
     [](LibraryStore& s) { s.addPictures("新", {"D:\\a.jpg"}); },
     "[新]\r\nD:\\a.jpg=\r\n",
     {"新"}},
    {"RemovingTheLastPictureKeepsTheHeader",
     kTwoCategories,
     [](LibraryStore& s) {
         s.removePicture("动物", "D:\\P\\CAT.gif");
         EXPECT_TRUE(s.pictures("动物").empty());
     },
     "[风景]\r\nD:\\P\\lake.jpg=\r\nD:\\P\\Sea.bmp=\r\n[TovraDesktop SecondNum]\r\ntime=3500\r\n"
     "[动物]\r\n",
     {"风景", "动物"}},
    // Outside the category written, every line stays; inside it, Windows'
    // own section write keeps only the entries.
    {"HandEditedFileKeepsEveryOtherLine",
     "; my pictures\r\n[风景]\r\nD:\\P\\lake.jpg=\r\n"
     "[TovraDesktop SecondNum]\r\ntime=1\r\nno equals sign\r\n",
     [](LibraryStore& s) { s.addPictures("风景", {"D:\\P\\new.jpg"}); },
     "; my pictures\r\n[风景]\r\nD:\\P\\lake.jpg=\r\nD:\\P\\new.jpg=\r\n"
     "[TovraDesktop SecondNum]\r\ntime=1\r\nno equals sign\r\n",
     {"风景"}},
};

INSTANTIATE_TEST_SUITE_P(
    Table, LibraryStoreTest,
    ::testing::Combine(::testing::ValuesIn(settings::test::settingsFileBackends()),
                       ::testing::ValuesIn(kCases)),
    [](const ::testing::TestParamInfo<std::tuple<SettingsFileBackend, StoreCase>>& tested) {
        return std::get<0>(tested.param).name + "_" + std::get<1>(tested.param).name;
    });

class LibraryStoreReadOnly : public ::testing::TestWithParam<SettingsFileBackend> {};

TEST_P(LibraryStoreReadOnly, RefusedWritesThrowAndChangeNothing) {
    if (!GetParam().readOnlyFilesRefuseWrites) {
        GTEST_SKIP() << "the read-only attribute binds nobody here (Wine run by root)";
    }
    const tovra::test::TempDir dir;
    const std::string file = dir.file("TovraDesktop.ini");
    tovra::test::writeBytes(file, GetParam().fileBytes(kTwoCategories));
    tovra::test::makeReadOnly(file);
    const auto profiles = GetParam().create();
    settings::IniFile ini(*profiles, file);
    LibraryStore store(ini, settings::kSectionPrefix);
    EXPECT_THROW(store.renameCategory("风景", "山水"), settings::IniFileError);
    EXPECT_THROW(store.addPictures("风景", {"D:\\x.jpg"}), settings::IniFileError);
    EXPECT_THROW(store.createCategory("新"), settings::IniFileError);
    store.removePicture("风景", "D:\\P\\lake.jpg"); // a refused removal is silent
    EXPECT_EQ(tovra::test::readBytes(file), GetParam().fileBytes(kTwoCategories));
}

INSTANTIATE_TEST_SUITE_P(Backends, LibraryStoreReadOnly,
                         ::testing::ValuesIn(settings::test::settingsFileBackends()),
                         [](const ::testing::TestParamInfo<SettingsFileBackend>& tested) {
                             return tested.param.name;
                         });

} // namespace
} // namespace tovra::library
