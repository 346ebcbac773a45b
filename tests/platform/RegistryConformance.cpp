#include "tests/platform/RegistryConformance.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <sstream>
#include <utility>

namespace tovra::platform {

void PrintTo(const RegValue& value, std::ostream* out) {
    *out << "{type " << value.type << ", bytes";
    for (const std::uint8_t byte : value.data) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02x", static_cast<unsigned>(byte));
        *out << hex;
    }
    *out << "}";
}

namespace test {

namespace {

// ---- building the table ----

RegStep create(std::string key, std::string path, std::string into,
               Status expected = kErrorSuccess) {
    return {
        RegOp::Create, std::move(key), std::move(path), expected, std::move(into), {}, 0, {}, {}};
}

RegStep open(std::string key, std::string path, std::string into, Status expected = kErrorSuccess) {
    return {RegOp::Open, std::move(key), std::move(path), expected, std::move(into), {}, 0, {}, {}};
}

RegStep openReadOnly(std::string key, std::string path, std::string into,
                     Status expected = kErrorSuccess) {
    return {RegOp::OpenReadOnly,
            std::move(key),
            std::move(path),
            expected,
            std::move(into),
            {},
            0,
            {},
            {}};
}

RegStep set(std::string key, std::string name, RegValue value, Status expected = kErrorSuccess) {
    return {RegOp::Set, std::move(key), std::move(name), expected, {}, std::move(value), 0, {}, {}};
}

RegStep query(std::string key, std::string name, RegValue expected) {
    return {RegOp::Query,
            std::move(key),
            std::move(name),
            kErrorSuccess,
            {},
            std::move(expected),
            0,
            {},
            {}};
}

RegStep queryFails(std::string key, std::string name, Status expected) {
    return {RegOp::Query, std::move(key), std::move(name), expected, {}, {}, 0, {}, {}};
}

RegStep deleteValue(std::string key, std::string name, Status expected = kErrorSuccess) {
    return {RegOp::DeleteValue, std::move(key), std::move(name), expected, {}, {}, 0, {}, {}};
}

RegStep deleteKey(std::string key, std::string path, Status expected = kErrorSuccess) {
    return {RegOp::DeleteKey, std::move(key), std::move(path), expected, {}, {}, 0, {}, {}};
}

RegStep enumAt(std::string key, std::uint32_t index, std::string name) {
    return {RegOp::Enum, std::move(key), {}, kErrorSuccess, {}, {}, index, {std::move(name)}, {}};
}

RegStep enumFails(std::string key, std::uint32_t index, Status expected = kErrorNoMoreItems) {
    return {RegOp::Enum, std::move(key), {}, expected, {}, {}, index, {}, {}};
}

RegStep subkeys(std::string key, std::vector<std::string> names) {
    return {RegOp::Subkeys, std::move(key), {}, kErrorSuccess, {}, {}, 0, std::move(names), {}};
}

RegStep close(std::string key, Status expected = kErrorSuccess) {
    return {RegOp::Close, std::move(key), {}, expected, {}, {}, 0, {}, {}};
}

/// The step, with what system gives instead of Windows' names.
RegStep differsOn(RegStep step, tovra::test::System system, std::vector<std::string> names) {
    RegStep variant = step;
    variant.names = std::move(names);
    step.variants.emplace_back(system, std::move(variant));
    return step;
}

RegValue sz(std::string_view text) {
    return RegValue::text(text);
}

RegValue expandSz(std::string_view text) {
    return RegValue::text(text, kRegExpandSz);
}

RegValue dword(std::uint32_t number) {
    return RegValue::dword(number);
}

RegValue binary(std::initializer_list<std::uint8_t> bytes) {
    return RegValue{kRegBinary, bytes};
}

RegValue binaryRun(std::size_t size) {
    RegValue value{kRegBinary, {}};
    for (std::size_t i = 0; i < size; ++i) {
        value.data.push_back(static_cast<std::uint8_t>(i * 7));
    }
    return value;
}

const char* opName(RegOp op) {
    switch (op) {
    case RegOp::Create:
        return "createKey";
    case RegOp::Open:
        return "openKey";
    case RegOp::OpenReadOnly:
        return "openKeyReadOnly";
    case RegOp::Set:
        return "setValue";
    case RegOp::Query:
        return "queryValue";
    case RegOp::DeleteValue:
        return "deleteValue";
    case RegOp::DeleteKey:
        return "deleteKey";
    case RegOp::Enum:
        return "enumKey";
    case RegOp::Subkeys:
        return "enumKey (all)";
    case RegOp::Close:
        return "closeKey";
    }
    return "?";
}

std::string describe(std::size_t index, const RegStep& step) {
    std::ostringstream out;
    out << "step " << index + 1 << ": " << opName(step.op) << "(" << step.key << ", \"" << step.text
        << "\"";
    if (step.op == RegOp::Enum) {
        out << ", " << step.index;
    }
    out << ") expecting status " << step.expected;
    return out.str();
}

// ---- the table ----

std::vector<RegistryCase> namingCases() {
    return {
        {"KeyNamesIgnoreCaseAndKeepTheirFirstSpelling",
         {create("cu", "MixedCase", "a"), create("cu", "MIXEDCASE", "b"),
          open("cu", "mixedcase", "c"), subkeys("cu", {"MixedCase"}),
          set("b", "v", sz("through b")), query("c", "V", sz("through b"))}},
        {"ValueNamesIgnoreCase",
         {set("cu", "Value", sz("one")), set("cu", "VALUE", sz("two")),
          query("cu", "value", sz("two")), deleteValue("cu", "vAlUe"),
          queryFails("cu", "Value", kErrorFileNotFound)}},
        {"ValueNamesMayHoldBackslashesQuotesAndBrackets",
         {set("cu", "a\\b \"c\" [d] =e", sz("x")), query("cu", "A\\B \"C\" [D] =E", sz("x")),
          subkeys("cu", {})}},
        {"ChineseKeyValueAndText",
         {create("cu", "壁纸设置", "k"), set("k", "图片路径", sz("D:\\图片\\风景.jpg")),
          open("cu", "壁纸设置", "again"), query("again", "图片路径", sz("D:\\图片\\风景.jpg")),
          subkeys("cu", {"壁纸设置"})}},
    };
}

std::vector<RegistryCase> typeCases() {
    return {
        {"StringRoundTrip",
         {set("cu", "path", sz("C:\\Program Files\\Tovra \"quoted\" = ; [x]")),
          query("cu", "path", sz("C:\\Program Files\\Tovra \"quoted\" = ; [x]")),
          set("cu", "padded", sz("  padded  ")), query("cu", "padded", sz("  padded  "))}},
        {"EmptyText", {set("cu", "empty", sz("")), query("cu", "empty", sz(""))}},
        {"TextWithLineBreaks",
         {set("cu", "lines", sz("line one\r\nline two\n")),
          query("cu", "lines", sz("line one\r\nline two\n"))}},
        {"DwordRoundTrip",
         {set("cu", "zero", dword(0)), set("cu", "ten", dword(10)),
          set("cu", "top", dword(0xFFFFFFFFu)), set("cu", "high", dword(0x80000000u)),
          query("cu", "zero", dword(0)), query("cu", "ten", dword(10)),
          query("cu", "top", dword(0xFFFFFFFFu)), query("cu", "high", dword(0x80000000u))}},
        {"BinaryRoundTrip",
         {set("cu", "bytes", binary({0x00, 0x01, 0x0d, 0x0a, 0x7f, 0x80, 0xff})),
          query("cu", "bytes", binary({0x00, 0x01, 0x0d, 0x0a, 0x7f, 0x80, 0xff})),
          set("cu", "nothing", binary({})), query("cu", "nothing", binary({})),
          set("cu", "long", binaryRun(300)), query("cu", "long", binaryRun(300))}},
        {"ExpandStringRoundTrip",
         {set("cu", "expand", expandSz("%SystemRoot%\\system32\\壁纸.scr")),
          query("cu", "expand", expandSz("%SystemRoot%\\system32\\壁纸.scr")),
          set("cu", "blank", expandSz("")), query("cu", "blank", expandSz(""))}},
        {"OverwritingAValueWithAnotherType",
         {set("cu", "v", dword(5)), set("cu", "V", sz("five")), query("cu", "v", sz("five")),
          set("cu", "v", binary({5})), query("cu", "v", binary({5})),
          set("cu", "v", expandSz("%5%")), query("cu", "v", expandSz("%5%")),
          set("cu", "v", dword(6)), query("cu", "v", dword(6))}},
    };
}

std::vector<RegistryCase> valueCases() {
    return {
        {"DefaultValue",
         {create("cu", "fresh", "k"), queryFails("k", "", kErrorFileNotFound),
          set("k", "", sz("the default")), query("k", "", sz("the default")), deleteValue("k", ""),
          queryFails("k", "", kErrorFileNotFound)}},
        {"MissingValue",
         {queryFails("cu", "nothing", kErrorFileNotFound),
          deleteValue("cu", "nothing", kErrorFileNotFound)}},
        {"DeleteValueKeepsTheOthers",
         {set("cu", "x", dword(1)), set("cu", "y", dword(2)), set("cu", "z", dword(3)),
          deleteValue("cu", "Y"), query("cu", "x", dword(1)), query("cu", "z", dword(3)),
          queryFails("cu", "y", kErrorFileNotFound), deleteValue("cu", "y", kErrorFileNotFound)}},
    };
}

std::vector<RegistryCase> keyCases() {
    return {
        {"MissingKey",
         {open("cu", "absent", "x", kErrorFileNotFound),
          open("cu", "absent\\deeper", "x", kErrorFileNotFound),
          deleteKey("cu", "absent", kErrorFileNotFound), subkeys("cu", {})}},
        {"CreateMakesEveryMissingPart",
         {create("cu", "one\\two\\three", "three"), open("cu", "one", "one"),
          open("one", "two\\three", "again"), subkeys("cu", {"one"}), subkeys("one", {"two"}),
          set("three", "v", dword(3)), query("again", "v", dword(3))}},
        {"CreateOpensAnExistingKeyWithItsValues",
         {create("cu", "kept", "a"), set("a", "v", sz("kept")), create("cu", "KEPT", "b"),
          query("b", "v", sz("kept"))}},
        {"PathsWithEmptyPartsIgnoreThem",
         {create("cu", "p\\\\q", "a"), open("cu", "p\\q", "b"), open("cu", "p\\q\\", "c"),
          open("cu", "p", "p"), subkeys("cu", {"p"}), subkeys("p", {"q"}), set("a", "v", dword(1)),
          query("c", "v", dword(1))}},
        {"LeadingBackslashIsABadPathname",
         {create("cu", "\\lead", "x", kErrorBadPathname),
          open("cu", "\\lead", "x", kErrorBadPathname), subkeys("cu", {})}},
        {"EmptySubKeyOpensTheSameKeyAgain",
         {create("cu", "k", "h"), open("h", "", "h2"), create("h", "", "h3"),
          set("h2", "v", dword(2)), query("h", "v", dword(2)), close("h"),
          query("h3", "v", dword(2))}},
        {"ReadOnlyHandleReadsButNeverChanges",
         {create("cu", "k", "w"), set("w", "v", dword(1)), openReadOnly("cu", "K", "r"),
          query("r", "v", dword(1)), set("r", "v", dword(2), kErrorAccessDenied),
          deleteValue("r", "v", kErrorAccessDenied), query("w", "v", dword(1)),
          openReadOnly("cu", "absent", "x", kErrorFileNotFound), subkeys("cu", {"k"})}},
        {"RecreatedKeyStartsEmpty",
         {create("cu", "k", "h"), set("h", "v", dword(1)), close("h"), deleteKey("cu", "k"),
          create("cu", "k", "again"), queryFails("again", "v", kErrorFileNotFound)}},
    };
}

std::vector<RegistryCase> deletionCases() {
    return {
        {"DeleteKeyRefusedWhileItHasSubkeys",
         {create("cu", "parent\\child", "child"), close("child"),
          deleteKey("cu", "parent", kErrorAccessDenied), open("cu", "parent\\child", "still"),
          close("still"), deleteKey("cu", "parent\\child"), deleteKey("cu", "parent"),
          open("cu", "parent", "x", kErrorFileNotFound), subkeys("cu", {})}},
        {"DeleteKeyDepthFirstThroughEnum",
         {create("cu", "tree\\a\\x", "x"), create("cu", "tree\\b", "b"), close("x"), close("b"),
          open("cu", "tree", "t"), enumAt("t", 0, "a"), open("t", "a", "a"), enumAt("a", 0, "x"),
          deleteKey("a", "x"), enumFails("a", 0), close("a"), deleteKey("t", "a"),
          enumAt("t", 0, "b"), deleteKey("t", "b"), enumFails("t", 0), close("t"),
          deleteKey("cu", "tree"), subkeys("cu", {})}},
        {"DeleteKeyThroughItsOwnHandle",
         {create("cu", "self", "h"), deleteKey("h", ""),
          open("cu", "self", "x", kErrorFileNotFound), queryFails("h", "v", kErrorKeyDeleted),
          close("h")}},
        {"HandleOnADeletedKey",
         {create("cu", "gone", "g"), deleteKey("cu", "gone"),
          set("g", "v", dword(1), kErrorKeyDeleted), queryFails("g", "v", kErrorKeyDeleted),
          enumFails("g", 0, kErrorKeyDeleted), create("g", "sub", "x", kErrorKeyDeleted),
          deleteValue("g", "v", kErrorKeyDeleted), close("g"), subkeys("cu", {})}},
    };
}

std::vector<RegistryCase> enumerationAndHandleCases() {
    return {
        // Windows lists subkeys by their upper-cased names, so '_' follows the
        // letters; Wine compares lower-cased names, which puts it first.
        // Microsoft documents no order at all ("subkeys are not ordered"), and
        // the program relies on none: it only deletes every subkey.
        {"EnumOrderIsByUpperCasedName",
         {create("cu", "b", "x"), create("cu", "_x", "x"), create("cu", "A", "x"),
          create("cu", "c", "x"), create("cu", "B2", "x"), create("cu", "a1", "x"),
          create("cu", "9", "x"), create("cu", "10", "x"),
          differsOn(subkeys("cu", {"10", "9", "A", "a1", "b", "B2", "c", "_x"}),
                    tovra::test::System::Wine, {"10", "9", "_x", "A", "a1", "b", "B2", "c"})}},
        {"EnumPastTheEnd",
         {enumFails("cu", 0), create("cu", "only", "x"), enumAt("cu", 0, "only"),
          enumFails("cu", 1), enumFails("cu", 1000)}},
        {"RootsAreIndependent",
         {create("cu", "same", "u"), create("lm", "same", "m"), create("cr", "same", "r"),
          set("u", "v", sz("user")), set("m", "v", sz("machine")), set("r", "v", sz("classes")),
          query("u", "v", sz("user")), query("m", "v", sz("machine")),
          query("r", "v", sz("classes")), close("u"), deleteKey("cu", "same"),
          open("lm", "same", "m2"), query("m2", "v", sz("machine")), open("cr", "same", "r2"),
          query("r2", "v", sz("classes"))}},
        {"ClosedHandleIsInvalid",
         {create("cu", "k", "h"), close("h"), queryFails("h", "v", kErrorInvalidHandle),
          set("h", "v", dword(1), kErrorInvalidHandle), enumFails("h", 0, kErrorInvalidHandle),
          open("h", "", "x", kErrorInvalidHandle), close("h", kErrorInvalidHandle)}},
        {"ClosingARootIsAllowedAndChangesNothing",
         {close("HKCU"), close("HKLM"), close("HKCR"), set("cu", "v", dword(7)),
          query("cu", "v", dword(7))}},
    };
}

} // namespace

std::vector<RegistryCase> registryConformanceCases() {
    std::vector<RegistryCase> cases;
    for (auto&& group : {namingCases(), typeCases(), valueCases(), keyCases(), deletionCases(),
                         enumerationAndHandleCases()}) {
        cases.insert(cases.end(), group.begin(), group.end());
    }
    return cases;
}

std::string
registryConformanceName(const ::testing::TestParamInfo<RegistryConformanceParam>& info) {
    return std::get<0>(info.param).name + "_" + std::get<1>(info.param).name;
}

void PrintTo(const RegistryBackend& backend, std::ostream* out) {
    *out << backend.name;
}

void PrintTo(const RegistryCase& registryCase, std::ostream* out) {
    *out << registryCase.name << " (" << registryCase.steps.size() << " steps)";
}

bool deleteKeyTree(Registry& registry, HKey parent, const std::string& subKey) {
    HKey key = 0;
    if (registry.openKey(parent, subKey, key) != kErrorSuccess) {
        return false;
    }
    std::string child;
    bool ok = true;
    // Always index 0: every deletion renumbers the rest.
    while (ok && registry.enumKey(key, 0, child) == kErrorSuccess) {
        ok = deleteKeyTree(registry, key, child);
    }
    registry.closeKey(key);
    return ok && registry.deleteKey(parent, subKey) == kErrorSuccess;
}

std::vector<std::pair<HKey, std::string>> RegistryConformance::scratchKeys() const {
    const auto& [backend, registryCase] = GetParam();
    return {{kHkeyCurrentUser, backend.currentUserScratch + "\\" + registryCase.name},
            {kHkeyLocalMachine, backend.localMachineScratch + "\\" + registryCase.name},
            {kHkeyClassesRoot, backend.classesRootScratch + "\\" + registryCase.name}};
}

void RegistryConformance::SetUp() {
    registry_ = std::get<0>(GetParam()).create();
    ASSERT_NE(registry_, nullptr);
    slots_ = {{"HKCU", kHkeyCurrentUser}, {"HKLM", kHkeyLocalMachine}, {"HKCR", kHkeyClassesRoot}};
    const char* const names[] = {"cu", "lm", "cr"};
    std::size_t i = 0;
    for (const auto& [root, path] : scratchKeys()) {
        deleteKeyTree(*registry_, root, path); // what a broken earlier run left behind
        HKey scratch = 0;
        ASSERT_EQ(registry_->createKey(root, path, scratch), kErrorSuccess) << path;
        slots_.emplace_back(names[i++], scratch);
    }
}

void RegistryConformance::TearDown() {
    if (!registry_) {
        return;
    }
    for (const auto& [name, key] : slots_) {
        registry_->closeKey(key);
    }
    for (const auto& [root, path] : scratchKeys()) {
        EXPECT_TRUE(deleteKeyTree(*registry_, root, path)) << path;
        // The shared parent goes too once no other case uses it.
        registry_->deleteKey(root, path.substr(0, path.rfind('\\')));
    }
}

std::optional<HKey> RegistryConformance::slot(const std::string& name) const {
    const auto found = std::find_if(slots_.rbegin(), slots_.rend(),
                                    [&name](const auto& entry) { return entry.first == name; });
    if (found == slots_.rend()) {
        return std::nullopt;
    }
    return found->second;
}

void RegistryConformance::run(const RegStep& step) {
    const auto key = slot(step.key);
    ASSERT_TRUE(key.has_value()) << "no handle in slot " << step.key;
    switch (step.op) {
    case RegOp::Create:
    case RegOp::Open:
    case RegOp::OpenReadOnly:
        runOpen(step, *key);
        return;
    case RegOp::Set:
        EXPECT_EQ(registry_->setValue(*key, step.text, *step.value), step.expected);
        return;
    case RegOp::Query: {
        RegValue value;
        EXPECT_EQ(registry_->queryValue(*key, step.text, value), step.expected);
        if (step.value) {
            EXPECT_EQ(value, *step.value);
        }
        return;
    }
    case RegOp::DeleteValue:
        EXPECT_EQ(registry_->deleteValue(*key, step.text), step.expected);
        return;
    case RegOp::DeleteKey:
        EXPECT_EQ(registry_->deleteKey(*key, step.text), step.expected);
        return;
    case RegOp::Enum:
        runEnum(step, *key);
        return;
    case RegOp::Subkeys:
        runSubkeys(step, *key);
        return;
    case RegOp::Close:
        EXPECT_EQ(registry_->closeKey(*key), step.expected);
        return;
    }
}

void RegistryConformance::runOpen(const RegStep& step, HKey key) {
    HKey opened = 0;
    const Status status = step.op == RegOp::Create ? registry_->createKey(key, step.text, opened)
                          : step.op == RegOp::Open
                              ? registry_->openKey(key, step.text, opened)
                              : registry_->openKeyReadOnly(key, step.text, opened);
    EXPECT_EQ(status, step.expected);
    if (status == kErrorSuccess) {
        EXPECT_NE(opened, 0u);
        slots_.emplace_back(step.into, opened);
    }
}

void RegistryConformance::runEnum(const RegStep& step, HKey key) {
    std::string name;
    EXPECT_EQ(registry_->enumKey(key, step.index, name), step.expected);
    if (step.expected == kErrorSuccess) {
        ASSERT_EQ(step.names.size(), 1u);
        EXPECT_EQ(name, step.names.front());
    }
}

void RegistryConformance::runSubkeys(const RegStep& step, HKey key) {
    std::vector<std::string> names;
    std::string name;
    Status status = kErrorSuccess;
    for (std::uint32_t index = 0; (status = registry_->enumKey(key, index, name)) == kErrorSuccess;
         ++index) {
        names.push_back(name);
    }
    EXPECT_EQ(status, kErrorNoMoreItems);
    EXPECT_EQ(names, step.names);
}

TEST_P(RegistryConformance, Behaves) {
    const tovra::test::System system = std::get<0>(GetParam()).system;
    const auto& steps = std::get<1>(GetParam()).steps;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const RegStep step = tovra::test::onSystem(steps[i], system);
        SCOPED_TRACE(describe(i, step) + " (as on " + tovra::test::systemName(system) + ")");
        run(step);
        if (HasFatalFailure()) {
            return;
        }
    }
}

} // namespace test
} // namespace tovra::platform
