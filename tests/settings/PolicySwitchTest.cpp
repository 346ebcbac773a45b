// The policy switch over a scripted registry: what shows as checked in each
// style, and what a checked or unchecked box writes.

#include "settings/PolicySwitch.h"

#include "tests/support/ScriptedRegistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

namespace tovra::settings {
namespace {

using platform::kErrorAccessDenied;
using platform::kErrorFileNotFound;
using platform::kErrorSuccess;
using platform::RegValue;
using ::testing::_;
using ::testing::DoAll;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::SetArgReferee;

constexpr platform::HKey kKey = 0x100;

RegValue binary() {
    RegValue value;
    value.type = platform::kRegBinary;
    value.data = {1, 0, 0, 0};
    return value;
}

/// An access object with kKey open over registry.
RegistryAccess opened(test::ScriptedRegistry& registry) {
    ON_CALL(registry, createKey(_, _, _))
        .WillByDefault(DoAll(SetArgReferee<2>(kKey), Return(kErrorSuccess)));
    RegistryAccess access(registry);
    access.openKey("\\Policies");
    return access;
}

struct ReadCase {
    const char* name;
    std::optional<RegValue> stored;
    bool presentChecked;
    bool oneChecked;
};

class ReadPolicy : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadPolicy, ShowsCheckedByStyle) {
    NiceMock<test::ScriptedRegistry> registry;
    const auto& c = GetParam();
    if (c.stored) {
        ON_CALL(registry, queryValue(kKey, "NoRun", _))
            .WillByDefault(DoAll(SetArgReferee<2>(*c.stored), Return(kErrorSuccess)));
    } else {
        ON_CALL(registry, queryValue(kKey, "NoRun", _)).WillByDefault(Return(kErrorFileNotFound));
    }
    const auto access = opened(registry);
    EXPECT_EQ(readPolicy(access, "NoRun", PolicyStyle::PresentOrDeleted), c.presentChecked);
    EXPECT_EQ(readPolicy(access, "NoRun", PolicyStyle::OneOrZero), c.oneChecked);
}

INSTANTIATE_TEST_SUITE_P(Policy, ReadPolicy,
                         testing::Values(ReadCase{"Missing", std::nullopt, false, false},
                                         ReadCase{"One", RegValue::dword(1), true, true},
                                         ReadCase{"Zero", RegValue::dword(0), true, false},
                                         ReadCase{"Two", RegValue::dword(2), true, false},
                                         ReadCase{"TextOne", RegValue::text("1"), true, false},
                                         ReadCase{"BinaryOne", binary(), true, false}),
                         [](const auto& param) { return std::string(param.param.name); });

struct WriteCase {
    const char* name;
    PolicyStyle style;
    bool checked;
    /// Nothing: the value is deleted.
    std::optional<RegValue> written;
};

class WritePolicy : public testing::TestWithParam<WriteCase> {};

TEST_P(WritePolicy, WritesOrDeletes) {
    NiceMock<test::ScriptedRegistry> registry;
    const auto& c = GetParam();
    auto access = opened(registry);
    if (c.written) {
        EXPECT_CALL(registry, setValue(kKey, "NoRun", *c.written)).WillOnce(Return(kErrorSuccess));
        EXPECT_CALL(registry, deleteValue(_, _)).Times(0);
    } else {
        // A missing value is no error.
        EXPECT_CALL(registry, deleteValue(kKey, "NoRun")).WillOnce(Return(kErrorFileNotFound));
        EXPECT_CALL(registry, setValue(_, _, _)).Times(0);
    }
    writePolicy(access, "NoRun", c.checked, c.style);
}

INSTANTIATE_TEST_SUITE_P(
    Policy, WritePolicy,
    testing::Values(
        WriteCase{"PresentChecked", PolicyStyle::PresentOrDeleted, true, RegValue::dword(1)},
        WriteCase{"PresentUnchecked", PolicyStyle::PresentOrDeleted, false, std::nullopt},
        WriteCase{"OneChecked", PolicyStyle::OneOrZero, true, RegValue::dword(1)},
        WriteCase{"OneUnchecked", PolicyStyle::OneOrZero, false, RegValue::dword(0)}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(PolicySwitch, RefusedWriteThrows) {
    NiceMock<test::ScriptedRegistry> registry;
    auto access = opened(registry);
    ON_CALL(registry, setValue(_, _, _)).WillByDefault(Return(kErrorAccessDenied));
    EXPECT_THROW(writePolicy(access, "NoRun", true, PolicyStyle::PresentOrDeleted), RegistryError);
}

} // namespace
} // namespace tovra::settings
