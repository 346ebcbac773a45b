#include "settings/IniFile.h"

#include "platform/emulated/EmulatedProfileFiles.h"
#include "settings/SettingsIndex.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace tovra::settings {
namespace {

using platform::emulated::EmulatedProfileFiles;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

class IniFileTest : public ::testing::Test {
protected:
    TempDir dir_;
    EmulatedProfileFiles profiles_;
    IniFile ini_{profiles_, dir_.file("TovraDesktop.ini")};
};

TEST_F(IniFileTest, NoFileGivesDefaultsAndEmptyListsAndCreatesNothing) {
    EXPECT_EQ(ini_.readString("TovraDesktop setting", "setname", "hour"), "hour");
    EXPECT_EQ(ini_.readInteger("TovraDesktop SecondNum", "time", key::kTimeDefault), 3500);
    EXPECT_FALSE(ini_.valueExists("TovraDesktop PicNameList", "D:\\a.jpg"));
    EXPECT_TRUE(ini_.readSection("TovraDesktop PicNameList").empty());
    EXPECT_TRUE(ini_.readSections().empty());
    ini_.deleteKey("TovraDesktop PicNameList", "D:\\a.jpg");
    ini_.eraseSection("风景");
    EXPECT_FALSE(std::filesystem::exists(ini_.fileName()));
}

TEST_F(IniFileTest, FirstWriteCreatesTheFileWithOneSection) {
    ini_.writeInteger("TovraDesktop SecondNum", "time", 3512);
    EXPECT_EQ(readBytes(ini_.fileName()), "[TovraDesktop SecondNum]\r\ntime=3512\r\n");
    EXPECT_EQ(ini_.readInteger("TovraDesktop SecondNum", "time", 0), 3512);
}

TEST_F(IniFileTest, StringsRoundTripAndEmptyTextLeavesKeyEquals) {
    ini_.writeString("TovraDesktop setting", "setname", "week");
    ini_.writeString("TovraDesktop PicNameList", "D:\\图片\\海.jpg", "");
    EXPECT_EQ(ini_.readString("TovraDesktop setting", "setname", "hour"), "week");
    EXPECT_EQ(ini_.readString("TovraDesktop PicNameList", "D:\\图片\\海.jpg", "x"), "");
    EXPECT_EQ(readBytes(ini_.fileName()), "[TovraDesktop setting]\r\nsetname=week\r\n"
                                          "[TovraDesktop PicNameList]\r\nD:\\图片\\海.jpg=\r\n");
}

struct IntegerRead {
    const char* name;
    const char* stored;
    std::int32_t expected;
};

class IniFileIntegers : public IniFileTest, public ::testing::WithParamInterface<IntegerRead> {};

TEST_P(IniFileIntegers, ReadsStoredTextOrTheDefault) {
    ini_.writeString("TovraDesktop SettingShow", "setshow", GetParam().stored);
    EXPECT_EQ(ini_.readInteger("TovraDesktop SettingShow", "setshow", -7), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, IniFileIntegers,
    ::testing::Values(IntegerRead{"Hexadecimal", "0x10", 16}, IntegerRead{"NoNumber", "abc", -7},
                      IntegerRead{"Empty", "", -7}, IntegerRead{"Quoted", "\"42\"", 42},
                      IntegerRead{"Dollar", "$ff", 255}, IntegerRead{"Negative", "-3", -3}),
    [](const ::testing::TestParamInfo<IntegerRead>& tested) {
        return std::string(tested.param.name);
    });

TEST_F(IniFileTest, ValueExistsIgnoresCase) {
    ini_.writeString("TovraDesktop PicNameList", "D:\\Pictures\\Sea.JPG", "");
    EXPECT_TRUE(ini_.valueExists("tovradesktop picnamelist", "d:\\pictures\\sea.jpg"));
    EXPECT_FALSE(ini_.valueExists("TovraDesktop PicNameList", "D:\\Pictures\\Sea.png"));
    ini_.writeString("TovraDesktop PicNameList", "d:\\PICTURES\\sea.jpg", "");
    EXPECT_EQ(ini_.readSection("TovraDesktop PicNameList"),
              std::vector<std::string>{"D:\\Pictures\\Sea.JPG"});
}

TEST_F(IniFileTest, ListsComeBackInFileOrder) {
    ini_.writeString("风景", "D:\\b.jpg", "");
    ini_.writeString("TovraDesktop PicNameList", "D:\\a.jpg", "");
    ini_.writeString("风景", "D:\\a.jpg", "");
    ini_.writeString("xTovraDesktopx", "k", "v");
    EXPECT_EQ(ini_.readSections(),
              (std::vector<std::string>{"风景", "TovraDesktop PicNameList", "xTovraDesktopx"}));
    EXPECT_EQ(ini_.readSection("风景"), (std::vector<std::string>{"D:\\b.jpg", "D:\\a.jpg"}));
}

TEST_F(IniFileTest, DeleteKeyAndEraseSection) {
    ini_.writeString("风景", "temp", "");
    ini_.writeString("风景", "D:\\a.jpg", "");
    ini_.writeString("动物", "D:\\c.jpg", "");
    ini_.deleteKey("风景", "TEMP");
    ini_.deleteKey("风景", "not there");
    EXPECT_EQ(ini_.readSection("风景"), std::vector<std::string>{"D:\\a.jpg"});
    ini_.eraseSection("风景");
    EXPECT_EQ(ini_.readSections(), std::vector<std::string>{"动物"});
    EXPECT_EQ(readBytes(ini_.fileName()), "[动物]\r\nD:\\c.jpg=\r\n");
}

TEST_F(IniFileTest, PathWithEqualsIsStoredButReadsBackCut) {
    ini_.writeString("TovraDesktop PicNameList", "D:\\a=b.jpg", "");
    EXPECT_EQ(ini_.readSection("TovraDesktop PicNameList"), std::vector<std::string>{"D:\\a"});
    EXPECT_FALSE(ini_.valueExists("TovraDesktop PicNameList", "D:\\a=b.jpg"));
}

TEST_F(IniFileTest, LongStringIsReadUpTo2047Bytes) {
    const std::string path = "D:\\" + std::string(3000, 'p') + ".jpg";
    ini_.writeString("TovraDesktop setting", "long", path);
    EXPECT_EQ(ini_.readString("TovraDesktop setting", "long", ""), path.substr(0, 2047));
}

TEST_F(IniFileTest, RefusedWritesAndErasesRaiseUnableToWrite) {
    IniFile unwritable(profiles_, (test::unwritableFolder(dir_) / "TovraDesktop.ini").string());
    const std::string message = "Unable to write to " + unwritable.fileName();
    auto expectRefused = [&message](auto write) {
        try {
            write();
            ADD_FAILURE() << "no error raised";
        } catch (const IniFileError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    };
    expectRefused([&] { unwritable.writeString("TovraDesktop setting", "setname", "day"); });
    expectRefused([&] { unwritable.writeInteger("TovraDesktop SecondNum", "time", 1); });
    EXPECT_NO_THROW(unwritable.deleteKey("TovraDesktop setting", "setname"));

    ini_.writeString("风景", "D:\\a.jpg", "");
    const std::string before = readBytes(ini_.fileName());
    ::chmod(ini_.fileName().c_str(), 0444); // the read-only attribute
    const std::string readOnly = "Unable to write to " + ini_.fileName();
    try {
        ini_.eraseSection("风景");
        ADD_FAILURE() << "no error raised";
    } catch (const IniFileError& error) {
        EXPECT_EQ(std::string(error.what()), readOnly);
    }
    EXPECT_NO_THROW(ini_.deleteKey("风景", "D:\\a.jpg")); // a failed deletion is silent
    EXPECT_EQ(readBytes(ini_.fileName()), before);
}

TEST_F(IniFileTest, ThirtyThousandKeysComeBackInFull) {
    // Far more than the 16384 bytes through which Windows returns a key list:
    // a wallpaper list must never lose pictures after a restart.
    std::string text = "[TovraDesktop PicNameList]\r\n";
    std::vector<std::string> paths;
    for (int i = 0; i < 30000; ++i) {
        paths.push_back("D:\\Pictures\\风景\\picture-" + std::to_string(i) + ".jpg");
        text += paths.back() + "=\r\n";
    }
    writeBytes(ini_.fileName(), text);
    EXPECT_EQ(ini_.readSection("TovraDesktop PicNameList"), paths);
    ini_.writeString("TovraDesktop PicNameList", "D:\\new.jpg", "");
    paths.push_back("D:\\new.jpg");
    EXPECT_EQ(ini_.readSection("TovraDesktop PicNameList"), paths);
    EXPECT_TRUE(ini_.valueExists("TovraDesktop PicNameList", paths[29999]));
}

} // namespace
} // namespace tovra::settings
