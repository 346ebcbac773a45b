#include "platform/emulated/RegTree.h"

#include <gtest/gtest.h>

namespace tovra::platform::emulated {
namespace {

TEST(RegTree, KeyPathsDropEmptyParts) {
    struct Case {
        const char* path;
        KeyPath parts;
    };
    const Case cases[] = {
        {"", {}},
        {"\\", {}},
        {"a", {"a"}},
        {"a\\b", {"a", "b"}},
        {"a\\\\b", {"a", "b"}},
        {"a\\b\\", {"a", "b"}},
        {"\\a", {"a"}},
        {"Control Panel\\Desktop", {"Control Panel", "Desktop"}},
        {"{X}\\壁纸", {"{X}", "壁纸"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(splitKeyPath(c.path), c.parts);
    }
}

TEST(RegTree, EnumerationOrderComparesUpperCasedNames) {
    struct Case {
        const char* before;
        const char* after;
    };
    // '_' and '[' lie between the upper- and the lower-case letters: they
    // show whether names are upper- or lower-cased before comparing.
    const Case cases[] = {{"a", "B"},  {"A", "b"},  {"Z", "_"},   {"z", "_"}, {"y", "["},
                          {"10", "9"}, {"A", "a1"}, {"ab", "AC"}, {"Z", "中"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before) + " < " + c.after);
        EXPECT_TRUE(enumeratesBefore(c.before, c.after));
        EXPECT_FALSE(enumeratesBefore(c.after, c.before));
    }
    EXPECT_FALSE(enumeratesBefore("Same", "sAME"));
    EXPECT_FALSE(enumeratesBefore("sAME", "Same"));
}

TEST(RegTree, ValuesKeepTheirFirstSpellingAndPlace) {
    RegKeyNode key;
    key.setValue("First", RegValue::dword(1));
    key.setValue("Second", RegValue::dword(2));
    key.setValue("FIRST", RegValue::text("one"));
    ASSERT_EQ(key.values().size(), 2u);
    EXPECT_EQ(key.values()[0].name, "First");
    EXPECT_EQ(key.values()[0].value, RegValue::text("one"));
    EXPECT_TRUE(key.removeValue("first"));
    EXPECT_FALSE(key.removeValue("first"));
    key.setValue("first", RegValue::dword(3));
    EXPECT_EQ(key.values().back().name, "first"); // a new value goes last
}

TEST(RegTree, RootsComeFromTheirNamesAndHandles) {
    EXPECT_EQ(rootFromName("hkey_local_machine"), RegRoot::LocalMachine);
    EXPECT_EQ(rootFromName("HKLM"), std::nullopt);
    EXPECT_EQ(rootFromHandle(kHkeyClassesRoot), RegRoot::ClassesRoot);
    EXPECT_EQ(rootFromHandle(kHkeyCurrentUser), RegRoot::CurrentUser);
    EXPECT_EQ(rootFromHandle(0x80000003u), std::nullopt);
    for (const RegRoot root : kRegRoots) {
        EXPECT_EQ(rootFromName(rootName(root)), root);
    }
}

} // namespace
} // namespace tovra::platform::emulated
