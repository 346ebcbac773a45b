// The registry access object over a scripted registry: which calls it makes,
// in which order, and how it turns their results into values and errors.

#include "settings/RegistryAccess.h"

#include "settings/RegistryIniFile.h"
#include "tests/support/ScriptedRegistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tovra::settings {
namespace {

using platform::HKey;
using platform::kErrorAccessDenied;
using platform::kErrorFileNotFound;
using platform::kErrorNoMoreItems;
using platform::kErrorSuccess;
using platform::kHkeyCurrentUser;
using platform::kHkeyLocalMachine;
using platform::RegValue;
using platform::Status;
using ::testing::_;
using ::testing::DoAll;
using ::testing::InSequence;
using ::testing::Return;
using ::testing::SetArgReferee;

using test::ScriptedRegistry;

constexpr HKey kOpened = 0x100;
constexpr HKey kOther = 0x200;

TEST(RegistryAccess, LeadingBackslashStartsAtTheRootOtherwiseAtTheOpenKey) {
    ScriptedRegistry registry;
    InSequence order;
    EXPECT_CALL(registry, createKey(kHkeyLocalMachine, "SOFTWARE\\tavro", _))
        .WillOnce(DoAll(SetArgReferee<2>(kOpened), Return(kErrorSuccess)));
    EXPECT_CALL(registry, createKey(kOpened, "child", _))
        .WillOnce(DoAll(SetArgReferee<2>(kOther), Return(kErrorSuccess)));
    EXPECT_CALL(registry, closeKey(kOpened)).WillOnce(Return(kErrorSuccess));
    EXPECT_CALL(registry, closeKey(kOther)).WillOnce(Return(kErrorSuccess));

    RegistryAccess access(registry);
    access.setRootKey(kHkeyLocalMachine);
    ASSERT_TRUE(access.openKey("\\SOFTWARE\\tavro"));
    ASSERT_TRUE(access.openKey("child"));
}

TEST(RegistryAccess, FailedOpenKeepsThePreviousKey) {
    ScriptedRegistry registry;
    EXPECT_CALL(registry, createKey(kHkeyCurrentUser, "good", _))
        .WillOnce(DoAll(SetArgReferee<2>(kOpened), Return(kErrorSuccess)));
    EXPECT_CALL(registry, createKey(kHkeyCurrentUser, "denied", _))
        .WillOnce(Return(kErrorAccessDenied));
    EXPECT_CALL(registry, queryValue(kOpened, "v", _))
        .WillOnce(DoAll(SetArgReferee<2>(RegValue::text("kept")), Return(kErrorSuccess)));
    EXPECT_CALL(registry, closeKey(kOpened)).WillOnce(Return(kErrorSuccess));

    RegistryAccess access(registry);
    ASSERT_TRUE(access.openKey("\\good"));
    EXPECT_FALSE(access.openKey("\\denied"));
    EXPECT_EQ(access.readString("v"), "kept");
}

TEST(RegistryAccess, ChangingTheRootClosesTheKeyAndTheSameRootKeepsIt) {
    ScriptedRegistry registry;
    EXPECT_CALL(registry, createKey(kHkeyCurrentUser, "k", _))
        .WillOnce(DoAll(SetArgReferee<2>(kOpened), Return(kErrorSuccess)));
    RegistryAccess access(registry);
    ASSERT_TRUE(access.openKey("\\k"));
    access.setRootKey(kHkeyCurrentUser);
    EXPECT_TRUE(access.hasOpenKey());
    EXPECT_CALL(registry, closeKey(kOpened)).WillOnce(Return(kErrorSuccess));
    access.setRootKey(kHkeyLocalMachine);
    EXPECT_FALSE(access.hasOpenKey());
}

struct ReadCase {
    const char* name;
    Status status;
    RegValue stored;
    const char* integerError; // nullptr: reads as expectedInteger
    std::int32_t expectedInteger;
    const char* stringError; // nullptr: reads as expectedString
    const char* expectedString;
};

class RegistryReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RegistryReads, GiveValuesOrTheirErrors) {
    const ReadCase& c = GetParam();
    ScriptedRegistry registry;
    EXPECT_CALL(registry, createKey(_, _, _))
        .WillOnce(DoAll(SetArgReferee<2>(kOpened), Return(kErrorSuccess)));
    EXPECT_CALL(registry, queryValue(kOpened, "value", _))
        .WillRepeatedly(DoAll(SetArgReferee<2>(c.stored), Return(c.status)));
    EXPECT_CALL(registry, closeKey(kOpened)).WillOnce(Return(kErrorSuccess));
    RegistryAccess access(registry);
    ASSERT_TRUE(access.openKey("\\key"));

    EXPECT_EQ(access.valueExists("value"), c.status == kErrorSuccess);
    if (c.integerError != nullptr) {
        try {
            (void)access.readInteger("value");
            ADD_FAILURE() << "no error";
        } catch (const RegistryError& error) {
            EXPECT_STREQ(error.what(), c.integerError);
        }
    } else {
        EXPECT_EQ(access.readInteger("value"), c.expectedInteger);
    }
    if (c.stringError != nullptr) {
        EXPECT_THROW((void)access.readString("value"), RegistryError);
    } else {
        EXPECT_EQ(access.readString("value"), c.expectedString);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegistryReads,
    ::testing::Values(
        ReadCase{"dword", kErrorSuccess, RegValue::dword(42), nullptr, 42, "", ""},
        ReadCase{"negative", kErrorSuccess, RegValue::dword(0xFFFFFFFF), nullptr, -1, "", ""},
        ReadCase{"text", kErrorSuccess, RegValue::text("abc"), "Invalid data type for 'value'", 0,
                 nullptr, "abc"},
        ReadCase{"missing", kErrorFileNotFound, RegValue{}, "Failed to get data for 'value'", 0,
                 nullptr, ""},
        ReadCase{"binary", kErrorSuccess, RegValue{platform::kRegBinary, {1, 2, 3, 4}},
                 "Invalid data type for 'value'", 0, "", ""}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(RegistryAccess, WithoutAnOpenKeyReadsAndWritesFailAsDocumented) {
    ScriptedRegistry registry;
    RegistryAccess access(registry);
    EXPECT_FALSE(access.valueExists("v"));
    EXPECT_EQ(access.readString("v"), "");
    EXPECT_THROW((void)access.readInteger("v"), RegistryError);
    try {
        access.writeString("v", "x");
        ADD_FAILURE() << "no error";
    } catch (const RegistryError& error) {
        EXPECT_STREQ(error.what(), "Failed to set data for 'v'");
    }
    EXPECT_FALSE(access.deleteValue("v"));
}

TEST(RegistryAccess, RefusedWriteRaisesAndTypesAreWindowsTypes) {
    ScriptedRegistry registry;
    EXPECT_CALL(registry, createKey(_, _, _))
        .WillOnce(DoAll(SetArgReferee<2>(kOpened), Return(kErrorSuccess)));
    EXPECT_CALL(registry, setValue(kOpened, "s", RegValue::text("text")))
        .WillOnce(Return(kErrorSuccess));
    EXPECT_CALL(registry, setValue(kOpened, "i", RegValue::dword(0xFFFFFFFE)))
        .WillOnce(Return(kErrorSuccess));
    EXPECT_CALL(registry, setValue(kOpened, "b", RegValue::dword(1)))
        .WillOnce(Return(kErrorAccessDenied));
    EXPECT_CALL(registry, closeKey(kOpened)).WillOnce(Return(kErrorSuccess));
    RegistryAccess access(registry);
    ASSERT_TRUE(access.openKey("\\key"));
    access.writeString("s", "text");
    access.writeInteger("i", -2);
    EXPECT_THROW(access.writeBool("b", true), RegistryError);
}

TEST(RegistryAccess, DeleteKeyEmptiesSubkeysDepthFirstBeforeDeletingTheKey) {
    ScriptedRegistry registry;
    constexpr HKey kTop = 0x10;
    constexpr HKey kChild = 0x11;
    InSequence order;
    EXPECT_CALL(registry, openKey(kHkeyCurrentUser, "top", _))
        .WillOnce(DoAll(SetArgReferee<2>(kTop), Return(kErrorSuccess)));
    EXPECT_CALL(registry, enumKey(kTop, 0u, _))
        .WillOnce(DoAll(SetArgReferee<2>(std::string("child")), Return(kErrorSuccess)));
    EXPECT_CALL(registry, openKey(kTop, "child", _))
        .WillOnce(DoAll(SetArgReferee<2>(kChild), Return(kErrorSuccess)));
    EXPECT_CALL(registry, enumKey(kChild, 0u, _)).WillOnce(Return(kErrorNoMoreItems));
    EXPECT_CALL(registry, closeKey(kChild)).WillOnce(Return(kErrorSuccess));
    EXPECT_CALL(registry, deleteKey(kTop, "child")).WillOnce(Return(kErrorSuccess));
    EXPECT_CALL(registry, enumKey(kTop, 0u, _)).WillOnce(Return(kErrorNoMoreItems));
    EXPECT_CALL(registry, closeKey(kTop)).WillOnce(Return(kErrorSuccess));
    EXPECT_CALL(registry, deleteKey(kHkeyCurrentUser, "top")).WillOnce(Return(kErrorSuccess));

    RegistryAccess access(registry);
    EXPECT_TRUE(access.deleteKey("\\top"));
}

TEST(RegistryIniFile, WritesIntegersAsDecimalTextInTheSectionSubkey) {
    ScriptedRegistry registry;
    EXPECT_CALL(registry, createKey(kHkeyCurrentUser, "Control Panel", _))
        .WillOnce(DoAll(SetArgReferee<2>(kOpened), Return(kErrorSuccess)));
    EXPECT_CALL(registry, createKey(kHkeyCurrentUser, "Control Panel\\Desktop", _))
        .WillRepeatedly(DoAll(SetArgReferee<2>(kOther), Return(kErrorSuccess)));
    EXPECT_CALL(registry, setValue(kOther, "wallpaperstyle", RegValue::text("2")))
        .WillOnce(Return(kErrorSuccess));
    EXPECT_CALL(registry, closeKey(_)).WillRepeatedly(Return(kErrorSuccess));

    RegistryIniFile file(registry, kHkeyCurrentUser, "\\Control Panel");
    file.writeInteger("Desktop", "wallpaperstyle", 2);
}

TEST(RegistryIniFile, UnopenableKeyMakesWritesFailAndReadsDefault) {
    ScriptedRegistry registry;
    EXPECT_CALL(registry, createKey(_, _, _)).WillRepeatedly(Return(kErrorAccessDenied));
    RegistryIniFile file(registry, kHkeyCurrentUser, "\\Control Panel");
    EXPECT_FALSE(file.isOpen());
    EXPECT_THROW(file.writeString("Desktop", "TileWallpaper", "0"), RegistryError);
    EXPECT_EQ(file.readInteger("Desktop", "TileWallpaper", 7), 7);
}

} // namespace
} // namespace tovra::settings
