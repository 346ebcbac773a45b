// What only the Windows backend's registry does: the predefined roots reach
// the real roots, and texts reach the registry as the Unicode that Windows
// keeps, converted from and to UTF-8 through the ANSI code page.

#include "platform/win32/Win32Registry.h"

#include "tests/platform/RegistryConformance.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <windows.h>
// After windows.h, which they need.
#include <sddl.h>

namespace tovra::platform::win32 {
namespace {

using namespace std::string_literals;

struct RootCase {
    const char* name;
    HKey root;
    HKEY native;
    const char* scratch;
    const wchar_t* wideScratch;
};

void PrintTo(const RootCase& root, std::ostream* out) {
    *out << root.name;
}

const RootCase kRoots[] = {
    {"CurrentUser", kHkeyCurrentUser, HKEY_CURRENT_USER, "Software\\TovraDesktopWin32Test",
     L"Software\\TovraDesktopWin32Test"},
    {"LocalMachine", kHkeyLocalMachine, HKEY_LOCAL_MACHINE, "Software\\TovraDesktopWin32Test",
     L"Software\\TovraDesktopWin32Test"},
    {"ClassesRoot", kHkeyClassesRoot, HKEY_CLASSES_ROOT, "TovraDesktopWin32Test",
     L"TovraDesktopWin32Test"},
};

/// The text of a value as Windows keeps it, read with the Unicode call.
std::wstring wideValue(HKEY root, const wchar_t* path, const wchar_t* name, DWORD& type) {
    wchar_t data[256] = {};
    DWORD size = sizeof data - sizeof(wchar_t);
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return L"<no key>";
    }
    const LSTATUS status =
        ::RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::wstring(data, size / sizeof(wchar_t)) : L"<no value>";
}

class Win32RegistryRoots : public ::testing::TestWithParam<RootCase> {
protected:
    void SetUp() override { ASSERT_EQ(::GetACP(), 936u) << "these cases need code page 936"; }
    void TearDown() override {
        test::deleteKeyTree(registry_, GetParam().root, GetParam().scratch);
    }

    Win32Registry registry_;
};

TEST_P(Win32RegistryRoots, TextWrittenHereIsUnicodeInTheRealRoot) {
    HKey key = 0;
    ASSERT_EQ(registry_.createKey(GetParam().root, GetParam().scratch, key), kErrorSuccess);
    ASSERT_EQ(registry_.setValue(key, "图片", RegValue::text("D:\\风景.jpg")), kErrorSuccess);
    EXPECT_EQ(registry_.closeKey(key), kErrorSuccess);
    DWORD type = REG_NONE;
    EXPECT_EQ(wideValue(GetParam().native, GetParam().wideScratch, L"图片", type),
              L"D:\\风景.jpg"s + L'\0');
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_P(Win32RegistryRoots, UnicodeWrittenByOthersReadsAsUtf8) {
    HKEY native = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(GetParam().native, GetParam().wideScratch, 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &native, nullptr),
              ERROR_SUCCESS);
    const std::wstring text = L"%SystemRoot%\\壁纸.scr";
    ::RegSetValueExW(native, L"值", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(native);
    HKey key = 0;
    ASSERT_EQ(registry_.openKey(GetParam().root, GetParam().scratch, key), kErrorSuccess);
    RegValue value;
    EXPECT_EQ(registry_.queryValue(key, "值", value), kErrorSuccess);
    EXPECT_EQ(value, RegValue::text("%SystemRoot%\\壁纸.scr", kRegExpandSz));
    registry_.closeKey(key);
}

TEST_P(Win32RegistryRoots, EmptyPathOpensTheRootAsItsOwnNumber) {
    HKey key = 0;
    EXPECT_EQ(registry_.openKey(GetParam().root, "", key), kErrorSuccess);
    EXPECT_EQ(key, GetParam().root);
    EXPECT_EQ(registry_.closeKey(key), kErrorSuccess);
    // The root still answers after being "closed".
    EXPECT_EQ(registry_.createKey(GetParam().root, GetParam().scratch, key), kErrorSuccess);
    registry_.closeKey(key);
}

INSTANTIATE_TEST_SUITE_P(Table, Win32RegistryRoots, ::testing::ValuesIn(kRoots),
                         [](const ::testing::TestParamInfo<RootCase>& tested) {
                             return std::string(tested.param.name);
                         });

class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(registry_.createKey(kHkeyCurrentUser, kScratch, key_), kErrorSuccess);
    }
    void TearDown() override {
        registry_.closeKey(key_);
        test::deleteKeyTree(registry_, kHkeyCurrentUser, kScratch);
    }

    static constexpr const char* kScratch = "Software\\TovraDesktopWin32Test\\Values";
    Win32Registry registry_;
    HKey key_ = 0;
};

TEST_F(Win32RegistryTest, MultiStringKeepsItsZerosAndConvertsEachString) {
    const std::string text = "a\0中文\0\0"s;
    const RegValue written{kRegMultiSz, std::vector<std::uint8_t>(text.begin(), text.end())};
    ASSERT_EQ(registry_.setValue(key_, "multi", written), kErrorSuccess);
    RegValue read;
    EXPECT_EQ(registry_.queryValue(key_, "multi", read), kErrorSuccess);
    EXPECT_EQ(read, written);
    DWORD type = REG_NONE;
    EXPECT_EQ(
        wideValue(HKEY_CURRENT_USER, L"Software\\TovraDesktopWin32Test\\Values", L"multi", type),
        L"a\0中文\0\0"s);
}

TEST_F(Win32RegistryTest, LongTextComesBackWhole) {
    const std::string text(70000, 'x');
    ASSERT_EQ(registry_.setValue(key_, "long", RegValue::text(text)), kErrorSuccess);
    RegValue read;
    EXPECT_EQ(registry_.queryValue(key_, "long", read), kErrorSuccess);
    EXPECT_EQ(read.asText(), text);
    EXPECT_EQ(read.data.size(), text.size());
}

/// Gives the key the access list of sddl; false when Windows refuses.
bool setAccessList(HKey key, const char* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor,
                                                                nullptr)) {
        return false;
    }
    const LSTATUS status =
        ::RegSetKeySecurity(reinterpret_cast<HKEY>(key), DACL_SECURITY_INFORMATION, descriptor);
    ::LocalFree(descriptor);
    return status == ERROR_SUCCESS;
}

// A key that everyone may read and nobody change, as HKEY_LOCAL_MACHINE is for
// most users: only the read-only open gets in, and nothing can be written
// through it. key_ was opened before, with every right, and keeps them.
TEST_F(Win32RegistryTest, AKeyWithoutWriteAccessOpensReadOnly) {
    ASSERT_EQ(registry_.setValue(key_, "Code", RegValue::text("pw")), kErrorSuccess);
    ASSERT_TRUE(setAccessList(key_, "D:P(A;;KR;;;WD)"));
    HKey opened = 0;
    EXPECT_EQ(registry_.createKey(kHkeyCurrentUser, kScratch, opened), kErrorAccessDenied);
    EXPECT_EQ(registry_.openKey(kHkeyCurrentUser, kScratch, opened), kErrorAccessDenied);
    ASSERT_EQ(registry_.openKeyReadOnly(kHkeyCurrentUser, kScratch, opened), kErrorSuccess);
    RegValue value;
    EXPECT_EQ(registry_.queryValue(opened, "code", value), kErrorSuccess);
    EXPECT_EQ(value, RegValue::text("pw"));
    EXPECT_EQ(registry_.setValue(opened, "Code", RegValue::text("")), kErrorAccessDenied);
    EXPECT_EQ(registry_.deleteValue(opened, "Code"), kErrorAccessDenied);
    registry_.closeKey(opened);
    EXPECT_TRUE(setAccessList(key_, "D:P(A;;KA;;;WD)")); // so that TearDown can delete it
}

TEST_F(Win32RegistryTest, HandleNeverIssuedIsInvalid) {
    RegValue value;
    const HKey bogus = 0x7ff0;
    EXPECT_EQ(registry_.queryValue(bogus, "v", value), kErrorInvalidHandle);
    EXPECT_EQ(registry_.closeKey(bogus), kErrorInvalidHandle);
}

} // namespace
} // namespace tovra::platform::win32
