// What the main window reads and writes outside itself: the start-up password
// test, the autostart entry and the home page, over scripted platform calls
// (the calls and their order are what the program relies on).

#include "app/core/Autostart.h"
#include "app/core/HomePage.h"
#include "app/core/MainWindowTexts.h"
#include "app/core/StartupPassword.h"
#include "settings/RegistryAccess.h"
#include "tests/support/ScriptedRegistry.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tovra::mainwindow {
namespace {

using platform::HKey;
using platform::kErrorAccessDenied;
using platform::kErrorFileNotFound;
using platform::kErrorSuccess;
using platform::kHkeyLocalMachine;
using platform::RegValue;
using platform::Status;
using ::testing::_;
using ::testing::DoAll;
using ::testing::ElementsAre;
using ::testing::InSequence;
using ::testing::NiceMock;
using ::testing::Return;
using ::testing::SetArgReferee;

using test::ScriptedRegistry;

class ScriptedMessageBoxes : public platform::MessageBoxes {
public:
    MOCK_METHOD(int, messageBox, (platform::Hwnd, const std::string&, const std::string&, unsigned),
                (override));
};

class ScriptedShell : public platform::Shell {
public:
    MOCK_METHOD(std::intptr_t, shellExecute,
                (platform::Hwnd, const std::string&, const std::string&, const std::string&,
                 const std::string&, int),
                (override));
    MOCK_METHOD(void, addToRecentDocs, (unsigned, const std::optional<std::string>&), (override));
    MOCK_METHOD(bool, setDeskWallpaper, (const std::string&, unsigned), (override));
};

constexpr HKey kKey = 0x4242;
constexpr platform::Hwnd kOwner = 0x77;
const std::string kRunPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kAutostartText =
    "你是否真的要关闭\"Tavro桌面精灵\"开机自动运行功能，\r单击‘确定’关闭功能，否则单击‘取消’。";

// ---- start-up password ---------------------------------------------------------

struct PasswordCase {
    const char* name;
    Status open;
    Status query;
    bool stored;
};

class StartupPasswordTable : public ::testing::TestWithParam<PasswordCase> {};

// Read-only: most users may not change HKEY_LOCAL_MACHINE, and a test that
// asked for more would find no password for them.
TEST_P(StartupPasswordTable, TestsCodeUnderTheKeyOpenedReadOnlyAndClosesIt) {
    const PasswordCase& c = GetParam();
    ScriptedRegistry registry;
    EXPECT_CALL(registry, createKey).Times(0);
    EXPECT_CALL(registry, openKey).Times(0);
    EXPECT_CALL(registry, openKeyReadOnly(kHkeyLocalMachine, "SOFTWARE\\tavro", _))
        .WillOnce(DoAll(SetArgReferee<2>(kKey), Return(c.open)));
    if (c.open == kErrorSuccess) {
        EXPECT_CALL(registry, queryValue(kKey, "Code", _)).WillOnce(Return(c.query));
        EXPECT_CALL(registry, closeKey(kKey)).WillOnce(Return(kErrorSuccess));
    } else {
        EXPECT_CALL(registry, queryValue).Times(0);
        EXPECT_CALL(registry, closeKey).Times(0);
    }
    EXPECT_EQ(startupPasswordStored(registry), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StartupPasswordTable,
    ::testing::Values(PasswordCase{"Stored", kErrorSuccess, kErrorSuccess, true},
                      PasswordCase{"NotStored", kErrorSuccess, kErrorFileNotFound, false},
                      PasswordCase{"KeyRefused", kErrorAccessDenied, kErrorSuccess, false},
                      PasswordCase{"KeyMissingIsNotCreated", kErrorFileNotFound, kErrorSuccess,
                                   false}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- autostart -------------------------------------------------------------------

TEST(RunValue, TheExecutableInDoubleQuotes) {
    EXPECT_EQ(runValueFor("/opt/Tovra Desktop/TovraDesktop"),
              "\"/opt/Tovra Desktop/TovraDesktop\"");
    EXPECT_EQ(runValueFor("C:\\桌面\\desk.exe"), "\"C:\\桌面\\desk.exe\"");
}

struct AutostartFixture : ::testing::Test {
    ScriptedRegistry registry;
    ScriptedMessageBoxes boxes;
    AutostartToggle toggle{registry, boxes, kOwner, "/opt/Tovra Desktop/TovraDesktop"};
    std::vector<bool> marks;
    std::function<void(bool)> setChecked = [this](bool checked) { marks.push_back(checked); };

    void expectRunKeyOpened(Status status = kErrorSuccess) {
        EXPECT_CALL(registry, createKey(kHkeyLocalMachine, kRunPath, _))
            .WillOnce(DoAll(SetArgReferee<2>(kKey), Return(status)));
    }
};

TEST_F(AutostartFixture, CheckedAndOkClearsTheMarkAndDeletesTheValue) {
    InSequence order;
    expectRunKeyOpened();
    EXPECT_CALL(boxes, messageBox(kOwner, kAutostartText, "Tavro提示", platform::kMbOkCancel))
        .WillOnce(Return(platform::kIdOk));
    EXPECT_CALL(registry, deleteValue(kKey, "TavroDesktop")).WillOnce(Return(kErrorFileNotFound));
    EXPECT_CALL(registry, closeKey(kKey)).WillOnce(Return(kErrorSuccess));
    toggle.run(true, setChecked);
    EXPECT_EQ(marks, std::vector<bool>{false});
}

TEST_F(AutostartFixture, CheckedAndCancelChangesNothing) {
    InSequence order;
    expectRunKeyOpened();
    EXPECT_CALL(boxes, messageBox).WillOnce(Return(platform::kIdCancel));
    EXPECT_CALL(registry, deleteValue).Times(0);
    EXPECT_CALL(registry, closeKey(kKey)).WillOnce(Return(kErrorSuccess));
    toggle.run(true, setChecked);
    EXPECT_TRUE(marks.empty());
}

TEST_F(AutostartFixture, UncheckedSetsTheMarkAndWritesTheQuotedPathWithoutAsking) {
    InSequence order;
    expectRunKeyOpened();
    // The line for Windows, and the path itself for a desktop that needs it.
    EXPECT_CALL(registry,
                setCommandValue(kKey, "TavroDesktop", "\"/opt/Tovra Desktop/TovraDesktop\"",
                                ElementsAre("/opt/Tovra Desktop/TovraDesktop")))
        .WillOnce(Return(kErrorSuccess));
    EXPECT_CALL(registry, closeKey(kKey)).WillOnce(Return(kErrorSuccess));
    EXPECT_CALL(boxes, messageBox).Times(0);
    toggle.run(false, setChecked);
    EXPECT_EQ(marks, std::vector<bool>{true});
}

TEST_F(AutostartFixture, ARefusedWriteFailsAndLeavesTheMarkClear) {
    const Status keys[] = {kErrorAccessDenied, kErrorSuccess};
    for (const Status key : keys) {
        SCOPED_TRACE(key == kErrorSuccess ? "the value is refused" : "the key is refused");
        marks.clear();
        expectRunKeyOpened(key);
        if (key == kErrorSuccess) {
            EXPECT_CALL(registry, setCommandValue)
                .WillOnce(Return(platform::kErrorInvalidParameter));
            EXPECT_CALL(registry, closeKey(kKey)).WillOnce(Return(kErrorSuccess));
        } else {
            EXPECT_CALL(registry, setCommandValue).Times(0);
            EXPECT_CALL(registry, closeKey).Times(0);
        }
        try {
            toggle.run(false, setChecked);
            ADD_FAILURE() << "the failure must reach the error route";
        } catch (const settings::RegistryError& error) {
            EXPECT_STREQ(error.what(), "Failed to set data for 'TavroDesktop'");
        }
        EXPECT_EQ(marks, std::vector<bool>{});
        ::testing::Mock::VerifyAndClearExpectations(&registry);
    }
}

TEST_F(AutostartFixture, RefusedKeyStillClearsTheMarkOnOk) {
    expectRunKeyOpened(kErrorAccessDenied);
    EXPECT_CALL(boxes, messageBox).WillOnce(Return(platform::kIdOk));
    EXPECT_CALL(registry, deleteValue).Times(0);
    toggle.run(true, setChecked);
    EXPECT_EQ(marks, std::vector<bool>{false});
}

// ---- home page ---------------------------------------------------------------------

struct HomePageCase {
    int answer;
    bool opened;
};

class HomePageTable : public ::testing::TestWithParam<HomePageCase> {};

TEST_P(HomePageTable, AsksThenOpensOnlyOnOk) {
    ScriptedMessageBoxes boxes;
    ScriptedShell shell;
    EXPECT_CALL(boxes, messageBox(kOwner, "单击确定按钮将要到\"Tavro桌面精灵\"的家园", "Tavro提示",
                                  platform::kMbOkCancel))
        .WillOnce(Return(GetParam().answer));
    // A failure code: the result is not examined.
    ON_CALL(shell, shellExecute).WillByDefault(Return(2));
    EXPECT_CALL(shell,
                shellExecute(kOwner, "", std::string(kHomePage), "", "", platform::kSwShowNormal))
        .Times(GetParam().opened ? 1 : 0);
    EXPECT_EQ(visitHomePage(boxes, shell, kOwner), GetParam().opened);
}

INSTANTIATE_TEST_SUITE_P(Answers, HomePageTable,
                         ::testing::Values(HomePageCase{platform::kIdOk, true},
                                           HomePageCase{platform::kIdCancel, false}),
                         [](const auto& test) {
                             return std::string(test.param.opened ? "Ok" : "Cancel");
                         });

} // namespace
} // namespace tovra::mainwindow
