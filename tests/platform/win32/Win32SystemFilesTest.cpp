// GetTempPathA, SetFileAttributesA and GetSystemDirectoryA through the Windows
// backend, checked against the Unicode calls.

#include "platform/win32/Win32SystemFiles.h"

#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <windows.h>

namespace tovra::platform::win32 {
namespace {

std::filesystem::path fromUtf8(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::wstring wideTempPath() {
    wchar_t buffer[MAX_PATH + 1] = {};
    return {buffer, ::GetTempPathW(MAX_PATH + 1, buffer)};
}

TEST(Win32SystemFiles, TempPathIsTheUsersFolderWithItsBackslash) {
    Win32SystemFiles files;
    const std::string path = files.tempPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.back(), '\\');
    EXPECT_TRUE(std::filesystem::is_directory(fromUtf8(path)));
    EXPECT_EQ(fromUtf8(path).wstring(), wideTempPath());
}

TEST(Win32SystemFiles, SystemDirectoryHasNoTrailingBackslash) {
    Win32SystemFiles files;
    const std::string path = files.systemDirectory();
    ASSERT_FALSE(path.empty());
    EXPECT_NE(path.back(), '\\');
    EXPECT_TRUE(std::filesystem::is_directory(fromUtf8(path)));
    wchar_t wide[MAX_PATH + 1] = {};
    EXPECT_EQ(fromUtf8(path).wstring(), std::wstring(wide, ::GetSystemDirectoryW(wide, MAX_PATH)));
}

TEST(Win32SystemFiles, ReadOnlyThenNormal) {
    ASSERT_EQ(::GetACP(), 936u) << "the file name needs code page 936";
    test::TempDir dir;
    const std::filesystem::path file = dir.path() / u8"壁纸.bmp";
    test::writeBytes(file, "BM");
    const std::u8string name = file.u8string();
    const std::string utf8(name.begin(), name.end());
    Win32SystemFiles files;

    ASSERT_TRUE(files.setFileAttributes(utf8, kFileAttributeReadOnly));
    EXPECT_NE(::GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    ASSERT_TRUE(files.setFileAttributes(utf8, kFileAttributeNormal));
    EXPECT_EQ(::GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_FALSE(files.setFileAttributes(dir.file("missing.bmp"), kFileAttributeNormal));
}

} // namespace
} // namespace tovra::platform::win32
