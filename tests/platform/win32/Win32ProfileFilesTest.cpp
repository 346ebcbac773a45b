// What only the Windows backend's profile calls do: lists read in full
// through a buffer that grows, values cut by the caller's buffer in bytes of
// the ANSI code page, and files written in that code page.

#include "platform/win32/Win32ProfileFiles.h"

#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace tovra::platform::win32 {
namespace {

using Names = std::vector<std::string>;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

// Two sections of names whose list takes 3, 4, 5, ... bytes with its zeros,
// so that a growing buffer meets every boundary, the exact fit included.
const std::string kListFile = "[a]\r\nk=1\r\nkk=2\r\nkkk=3\r\n中=4\r\n"
                              "[bb]\r\nx=1\r\n[图片]\r\ny=2\r\n";

std::string inCodePage936(const std::string& utf8) {
    const int wideLength =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                          wideLength);
    const int length =
        ::WideCharToMultiByte(936, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(936, 0, wide.data(), wideLength, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

class Win32ProfileFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(::GetACP(), 936u) << "these cases need the ANSI code page 936";
    }

    TempDir dir_;
    std::string file_ = dir_.file("profile.ini");
};

TEST_F(Win32ProfileFilesTest, ListsComeBackInFullFromEveryFirstBufferSize) {
    writeBytes(file_, inCodePage936(kListFile));
    for (std::size_t size = 1; size <= 40; ++size) {
        SCOPED_TRACE("first buffer of " + std::to_string(size) + " bytes");
        Win32ProfileFiles profiles(size);
        EXPECT_EQ(profiles.readKeys(file_, "a"), (Names{"k", "kk", "kkk", "中"}));
        EXPECT_EQ(profiles.readSections(file_), (Names{"a", "bb", "图片"}));
        EXPECT_EQ(profiles.readKeys(file_, "missing"), Names{});
    }
}

TEST_F(Win32ProfileFilesTest, ListOfAMissingFileIsEmpty) {
    Win32ProfileFiles profiles(2);
    EXPECT_EQ(profiles.readSections(dir_.file("missing.ini")), Names{});
    EXPECT_EQ(profiles.readKeys(dir_.file("missing.ini"), "a"), Names{});
}

struct CutCase {
    std::size_t bufferSize;
    const char* expected;
};

TEST_F(Win32ProfileFilesTest, ValueIsCutToWholeCharactersOfTheBuffer) {
    // 中文 is four bytes in code page 936: the buffer counts those bytes.
    writeBytes(file_, inCodePage936("[s]\r\nk=中文\r\n"));
    const CutCase cases[] = {{0, ""},   {1, ""},     {2, ""},     {3, "中"},
                             {4, "中"}, {5, "中文"}, {6, "中文"}, {2048, "中文"}};
    Win32ProfileFiles profiles;
    for (const CutCase& cut : cases) {
        SCOPED_TRACE("buffer of " + std::to_string(cut.bufferSize) + " bytes");
        EXPECT_EQ(profiles.readString(file_, "s", "k", "dflt", cut.bufferSize), cut.expected);
        EXPECT_EQ(profiles.readString(file_, "s", "missing", "中文", cut.bufferSize), cut.expected);
    }
}

TEST_F(Win32ProfileFilesTest, FileIsWrittenInTheAnsiCodePage) {
    Win32ProfileFiles profiles;
    ASSERT_TRUE(profiles.writeString(file_, "风景", "D:\\图片\\1.jpg", "值"));
    EXPECT_EQ(readBytes(file_), inCodePage936("[风景]\r\nD:\\图片\\1.jpg=值\r\n"));
    EXPECT_EQ(profiles.readString(file_, "风景", "D:\\图片\\1.jpg", "", 2048), "值");
}

TEST_F(Win32ProfileFilesTest, FileNameIsConvertedToo) {
    const std::filesystem::path folder = dir_.path() / u8"设置";
    std::filesystem::create_directory(folder);
    const std::filesystem::path file = folder / u8"图片.ini";
    const std::u8string name = file.u8string();
    Win32ProfileFiles profiles;
    ASSERT_TRUE(profiles.writeString(std::string(name.begin(), name.end()), "s", "k", "v"));
    EXPECT_EQ(readBytes(file), "[s]\r\nk=v\r\n");
}

} // namespace
} // namespace tovra::platform::win32
