// The settings-file access object over this build's profile-file backend:
// the emulated one natively, the real WritePrivateProfileStringA in the
// Windows build.

#include "settings/IniFile.h"

#include "settings/SettingsIndex.h"
#include "tests/settings/SettingsFileBackends.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <vector>

namespace tovra::settings {
namespace {

using test::SettingsFileBackend;
using tovra::test::readBytes;
using tovra::test::TempDir;
using tovra::test::writeBytes;

std::string backendName(const ::testing::TestParamInfo<SettingsFileBackend>& tested) {
    return tested.param.name;
}

class IniFileFixture {
protected:
    explicit IniFileFixture(const SettingsFileBackend& backend)
        : backend_(backend)
        , profiles_(backend.create()) {}

    /// The bytes a file of the backend holds for UTF-8 text.
    [[nodiscard]] std::string bytes(const std::string& utf8) const {
        return backend_.fileBytes(utf8);
    }

    const SettingsFileBackend& backend_;
    TempDir dir_;
    std::unique_ptr<platform::ProfileFiles> profiles_;
    IniFile ini_{*profiles_, dir_.file("TovraDesktop.ini")};
};

class IniFileTest : public ::testing::TestWithParam<SettingsFileBackend>, protected IniFileFixture {
protected:
    IniFileTest()
        : IniFileFixture(GetParam()) {}
};

TEST_P(IniFileTest, NoFileGivesDefaultsAndEmptyListsAndCreatesNothing) {
    EXPECT_EQ(ini_.readString("TovraDesktop setting", "setname", "hour"), "hour");
    EXPECT_EQ(ini_.readInteger("TovraDesktop SecondNum", "time", key::kTimeDefault), 3500);
    EXPECT_FALSE(ini_.valueExists("TovraDesktop PicNameList", "D:\\a.jpg"));
    EXPECT_TRUE(ini_.readSection("TovraDesktop PicNameList").empty());
    EXPECT_TRUE(ini_.readSections().empty());
    ini_.deleteKey("TovraDesktop PicNameList", "D:\\a.jpg");
    ini_.eraseSection("风景");
    EXPECT_FALSE(std::filesystem::exists(ini_.fileName()));
}

TEST_P(IniFileTest, FirstWriteCreatesTheFileWithOneSection) {
    ini_.writeInteger("TovraDesktop SecondNum", "time", 3512);
    EXPECT_EQ(readBytes(ini_.fileName()), "[TovraDesktop SecondNum]\r\ntime=3512\r\n");
    EXPECT_EQ(ini_.readInteger("TovraDesktop SecondNum", "time", 0), 3512);
}

TEST_P(IniFileTest, StringsRoundTripAndEmptyTextLeavesKeyEquals) {
    ini_.writeString("TovraDesktop setting", "setname", "week");
    ini_.writeString("TovraDesktop PicNameList", "D:\\图片\\海.jpg", "");
    EXPECT_EQ(ini_.readString("TovraDesktop setting", "setname", "hour"), "week");
    EXPECT_EQ(ini_.readString("TovraDesktop PicNameList", "D:\\图片\\海.jpg", "x"), "");
    EXPECT_EQ(readBytes(ini_.fileName()),
              bytes("[TovraDesktop setting]\r\nsetname=week\r\n"
                    "[TovraDesktop PicNameList]\r\nD:\\图片\\海.jpg=\r\n"));
}

struct IntegerRead {
    const char* name;
    const char* stored;
    std::int32_t expected;
};

class IniFileIntegers
    : public ::testing::TestWithParam<std::tuple<SettingsFileBackend, IntegerRead>>,
      protected IniFileFixture {
protected:
    IniFileIntegers()
        : IniFileFixture(std::get<0>(GetParam())) {}
};

TEST_P(IniFileIntegers, ReadsStoredTextOrTheDefault) {
    const IntegerRead& read = std::get<1>(GetParam());
    ini_.writeString("TovraDesktop SettingShow", "setshow", read.stored);
    EXPECT_EQ(ini_.readInteger("TovraDesktop SettingShow", "setshow", -7), read.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniFileIntegers,
    ::testing::Combine(::testing::ValuesIn(test::settingsFileBackends()),
                       ::testing::Values(IntegerRead{"Hexadecimal", "0x10", 16},
                                         IntegerRead{"NoNumber", "abc", -7},
                                         IntegerRead{"Empty", "", -7},
                                         IntegerRead{"Quoted", "\"42\"", 42},
                                         IntegerRead{"Dollar", "$ff", 255},
                                         IntegerRead{"Negative", "-3", -3})),
    [](const ::testing::TestParamInfo<std::tuple<SettingsFileBackend, IntegerRead>>& tested) {
        return std::get<0>(tested.param).name + "_" + std::get<1>(tested.param).name;
    });

TEST_P(IniFileTest, ValueExistsIgnoresCase) {
    ini_.writeString("TovraDesktop PicNameList", "D:\\Pictures\\Sea.JPG", "");
    EXPECT_TRUE(ini_.valueExists("tovradesktop picnamelist", "d:\\pictures\\sea.jpg"));
    EXPECT_FALSE(ini_.valueExists("TovraDesktop PicNameList", "D:\\Pictures\\Sea.png"));
    ini_.writeString("TovraDesktop PicNameList", "d:\\PICTURES\\sea.jpg", "");
    EXPECT_EQ(ini_.readSection("TovraDesktop PicNameList"),
              std::vector<std::string>{"D:\\Pictures\\Sea.JPG"});
}

TEST_P(IniFileTest, ListsComeBackInFileOrder) {
    ini_.writeString("风景", "D:\\b.jpg", "");
    ini_.writeString("TovraDesktop PicNameList", "D:\\a.jpg", "");
    ini_.writeString("风景", "D:\\a.jpg", "");
    ini_.writeString("xTovraDesktopx", "k", "v");
    EXPECT_EQ(ini_.readSections(),
              (std::vector<std::string>{"风景", "TovraDesktop PicNameList", "xTovraDesktopx"}));
    EXPECT_EQ(ini_.readSection("风景"), (std::vector<std::string>{"D:\\b.jpg", "D:\\a.jpg"}));
}

TEST_P(IniFileTest, DeleteKeyAndEraseSection) {
    ini_.writeString("风景", "temp", "");
    ini_.writeString("风景", "D:\\a.jpg", "");
    ini_.writeString("动物", "D:\\c.jpg", "");
    ini_.deleteKey("风景", "TEMP");
    ini_.deleteKey("风景", "not there");
    EXPECT_EQ(ini_.readSection("风景"), std::vector<std::string>{"D:\\a.jpg"});
    ini_.eraseSection("风景");
    EXPECT_EQ(ini_.readSections(), std::vector<std::string>{"动物"});
    EXPECT_EQ(readBytes(ini_.fileName()), bytes("[动物]\r\nD:\\c.jpg=\r\n"));
}

TEST_P(IniFileTest, PathWithEqualsIsStoredButReadsBackCut) {
    ini_.writeString("TovraDesktop PicNameList", "D:\\a=b.jpg", "");
    EXPECT_EQ(ini_.readSection("TovraDesktop PicNameList"), std::vector<std::string>{"D:\\a"});
    EXPECT_FALSE(ini_.valueExists("TovraDesktop PicNameList", "D:\\a=b.jpg"));
}

TEST_P(IniFileTest, LongStringIsReadUpTo2047Bytes) {
    const std::string path = "D:\\" + std::string(3000, 'p') + ".jpg";
    ini_.writeString("TovraDesktop setting", "long", path);
    EXPECT_EQ(ini_.readString("TovraDesktop setting", "long", ""), path.substr(0, 2047));
}

/// Runs write and expects the settings file's error about fileName.
template <typename Write>
void expectUnableToWrite(const std::string& fileName, Write write) {
    try {
        write();
        ADD_FAILURE() << "no error raised";
    } catch (const IniFileError& error) {
        EXPECT_EQ(std::string(error.what()), "Unable to write to " + fileName);
    }
}

TEST_P(IniFileTest, WritesInAnUnwritableFolderRaiseUnableToWrite) {
    IniFile unwritable(*profiles_,
                       (tovra::test::unwritableFolder(dir_) / "TovraDesktop.ini").string());
    expectUnableToWrite(unwritable.fileName(),
                        [&] { unwritable.writeString("TovraDesktop setting", "setname", "day"); });
    expectUnableToWrite(unwritable.fileName(),
                        [&] { unwritable.writeInteger("TovraDesktop SecondNum", "time", 1); });
    EXPECT_NO_THROW(unwritable.deleteKey("TovraDesktop setting", "setname"));
}

TEST_P(IniFileTest, ReadOnlyFileRaisesUnableToWriteAndIsKept) {
    if (!GetParam().readOnlyFilesRefuseWrites) {
        GTEST_SKIP() << "the read-only attribute binds nobody here (Wine run by root)";
    }
    ini_.writeString("风景", "D:\\a.jpg", "");
    const std::string before = readBytes(ini_.fileName());
    tovra::test::makeReadOnly(ini_.fileName());
    expectUnableToWrite(ini_.fileName(), [&] { ini_.eraseSection("风景"); });
    expectUnableToWrite(ini_.fileName(), [&] { ini_.writeString("风景", "D:\\b.jpg", ""); });
    EXPECT_NO_THROW(ini_.deleteKey("风景", "D:\\a.jpg")); // a failed deletion is silent
    EXPECT_EQ(readBytes(ini_.fileName()), before);
}

TEST_P(IniFileTest, ThirtyThousandKeysComeBackInFull) {
    // Far more than the 16384 bytes through which Windows returns a key list:
    // a wallpaper list must never lose pictures after a restart.
    std::string text = "[TovraDesktop PicNameList]\r\n";
    std::vector<std::string> paths;
    for (int i = 0; i < 30000; ++i) {
        paths.push_back("D:\\Pictures\\风景\\picture-" + std::to_string(i) + ".jpg");
        text += paths.back() + "=\r\n";
    }
    writeBytes(ini_.fileName(), bytes(text));
    EXPECT_EQ(ini_.readSection("TovraDesktop PicNameList"), paths);
    ini_.writeString("TovraDesktop PicNameList", "D:\\new.jpg", "");
    paths.push_back("D:\\new.jpg");
    EXPECT_EQ(ini_.readSection("TovraDesktop PicNameList"), paths);
    EXPECT_TRUE(ini_.valueExists("TovraDesktop PicNameList", paths[29999]));
}

INSTANTIATE_TEST_SUITE_P(Backends, IniFileTest, ::testing::ValuesIn(test::settingsFileBackends()),
                         backendName);

} // namespace
} // namespace tovra::settings
