// The Run values of the emulated registry mirrored as the user's autostart
// entries: written and deleted as the program writes and deletes them, with
// the Exec line that starts what Windows would start, only for the two Run
// keys, and never at the cost of the registry write.

#include "platform/emulated/AutostartMirror.h"

#include "platform/emulated/EmulatedRegistry.h"
#include "settings/RegistryAccess.h"
#include "settings/SettingsIndex.h"
#include "tests/platform/RegistryConformance.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/ScriptFiles.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovra::platform::emulated {
namespace {

using platform::test::RegistryConformance;
using test::ScopedEnvironment;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using tovra::test::readBytes;
using tovra::test::TempDir;
using tovra::test::writeBytes;
using tovra::test::writeScript;

const std::string kRunKey(settings::reg::kRunKey);
const std::string kRunValue(settings::reg::kRunValue);

// ---- the mirror passes every registry call through -------------------------------

std::shared_ptr<Registry> mirroredRegistry() {
    struct Scratch {
        TempDir dir;
        TempDir config;
        ScopedEnvironment environment;
        std::ostringstream diagnostics;
        EmulatedRegistry store{dir.path() / "state", diagnostics};
        AutostartMirror mirror{store, diagnostics};
        Scratch() { environment.set("XDG_CONFIG_HOME", config.path().string()); }
    };
    auto scratch = std::make_shared<Scratch>();
    return {scratch, &scratch->mirror};
}

INSTANTIATE_TEST_SUITE_P(
    Mirrored, RegistryConformance,
    ::testing::Combine(::testing::Values(platform::test::RegistryBackend{"Mirrored",
                                                                         mirroredRegistry}),
                       ::testing::ValuesIn(platform::test::registryConformanceCases())),
    platform::test::registryConformanceName);

// ---- the entries ---------------------------------------------------------------

/// The whole entry file for a value under HKEY_LOCAL_MACHINE's Run key.
std::string machineEntry(const std::string& name, const std::string& exec) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           name +
           "\n"
           "Comment=Mirrors the value \"" +
           name +
           "\" under HKEY_LOCAL_MACHINE\\\\Software\\\\Microsoft\\\\Windows\\\\CurrentVersion"
           "\\\\Run of TovraDesktop's emulated Windows\n"
           "Exec=" +
           exec +
           "\n"
           "X-GNOME-Autostart-enabled=true\n";
}

class AutostartMirrorTest : public ::testing::Test {
protected:
    AutostartMirrorTest() { environment.set("XDG_CONFIG_HOME", config.path().string()); }

    [[nodiscard]] std::filesystem::path folder() const { return config.path() / "autostart"; }
    [[nodiscard]] std::string entry(const std::string& fileName) const {
        return readBytes(folder() / fileName);
    }

    /// The file names in the autostart folder, sorted.
    [[nodiscard]] std::vector<std::string> entries() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& file : std::filesystem::directory_iterator(folder(), error)) {
            names.push_back(file.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    /// What the autostart toggle does: open the Run key (creating it) and
    /// write or delete the value, through the registry access object.
    static void writeRun(Registry& target, const std::string& name, const std::string& command,
                         HKey root = kHkeyLocalMachine) {
        settings::RegistryAccess access(target);
        access.setRootKey(root);
        ASSERT_TRUE(access.openKey(kRunKey, true));
        access.writeString(name, command);
    }
    static bool deleteRun(Registry& target, const std::string& name,
                          HKey root = kHkeyLocalMachine) {
        settings::RegistryAccess access(target);
        access.setRootKey(root);
        return access.openKey(kRunKey, true) && access.deleteValue(name);
    }
    static std::string readRun(Registry& target, const std::string& name,
                               HKey root = kHkeyLocalMachine) {
        settings::RegistryAccess access(target);
        access.setRootKey(root);
        if (!access.openKey(kRunKey, false) || !access.valueExists(name)) {
            return "<none>";
        }
        return access.readString(name);
    }

    TempDir state;
    TempDir config;
    ScopedEnvironment environment;
    std::ostringstream diagnostics;
    EmulatedRegistry store{state.path()};
    AutostartMirror registry{store, diagnostics};
};

TEST_F(AutostartMirrorTest, TheToggleWritesAndDeletesTheProgramsEntry) {
    writeRun(registry, kRunValue, "\"/opt/my apps/TovraDesktop\"");
    EXPECT_THAT(entries(), ElementsAre("tovra-run-tavrodesktop.desktop"));
    EXPECT_EQ(entry("tovra-run-tavrodesktop.desktop"),
              machineEntry("TavroDesktop", "\"/opt/my apps/TovraDesktop\""));
    EXPECT_EQ(readRun(store, kRunValue), "\"/opt/my apps/TovraDesktop\"");

    struct stat info {};
    ASSERT_EQ(::stat(folder().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u) << "a folder the base-directory rules create";

    EXPECT_TRUE(deleteRun(registry, kRunValue));
    EXPECT_THAT(entries(), ElementsAre());
    EXPECT_EQ(readRun(store, kRunValue), "<none>");
    EXPECT_EQ(diagnostics.str(), "");
}

struct ExecCase {
    const char* name;
    /// The Run value as Windows reads it.
    const char* commandLine;
    /// The Exec value in the file, escapes and all.
    const char* exec;
};

class ExecLines : public AutostartMirrorTest, public ::testing::WithParamInterface<ExecCase> {};

TEST_P(ExecLines, StartWhatWindowsWouldStart) {
    writeRun(registry, "App", GetParam().commandLine);
    EXPECT_EQ(entry("tovra-run-app.desktop"), machineEntry("App", GetParam().exec));
    EXPECT_EQ(diagnostics.str(), "");
}

INSTANTIATE_TEST_SUITE_P(
    AutostartMirror, ExecLines,
    ::testing::Values(
        ExecCase{"QuotedPathWithSpaces", "\"/opt/my apps/Tovra\"", "\"/opt/my apps/Tovra\""},
        ExecCase{"UnquotedPath", "/opt/tovra/bin/tovra", "/opt/tovra/bin/tovra"},
        ExecCase{"BareName", "notepad.exe readme.txt", "notepad.exe readme.txt"},
        ExecCase{"Arguments", "\"/opt/my apps/Tovra\"  --tray   -x",
                 "\"/opt/my apps/Tovra\" --tray -x"},
        ExecCase{"NoSpaceAfterTheQuote", "\"/opt/t/run\"--tray", "/opt/t/run --tray"},
        ExecCase{"QuotedArgumentWithSpaces", "/opt/t/run \"My Pictures\"",
                 "/opt/t/run \"My Pictures\""},
        ExecCase{"EmptyArgument", "/opt/t/run \"\" x", "/opt/t/run \"\" x"},
        ExecCase{"DoubleQuote", "/opt/t/run \"say \\\"hi\\\"\"",
                 "/opt/t/run \"say \\\\\"hi\\\\\"\""},
        ExecCase{"Backtick", "/opt/t/run a`b", "/opt/t/run \"a\\\\`b\""},
        ExecCase{"Dollar", "/opt/t/run $HOME", "/opt/t/run \"\\\\$HOME\""},
        ExecCase{"Backslash", "/opt/t/run C:\\Temp", "/opt/t/run \"C:\\\\\\\\Temp\""},
        ExecCase{"WindowsProgram", "\"C:\\Program Files\\Tovra\\Tovra.exe\" /min",
                 "\"C:\\\\\\\\Program Files\\\\\\\\Tovra\\\\\\\\Tovra.exe\" /min"},
        ExecCase{"Percent", "/opt/t/run 100% \"50% off\"", "/opt/t/run 100%% \"50%% off\""},
        ExecCase{"PercentInTheProgram", "\"/opt/100% sure/run\"",
                 "/usr/bin/env \"/opt/100%% sure/run\""},
        ExecCase{"FieldCodeLookalike", "/opt/t/run %u", "/opt/t/run %%u"},
        ExecCase{"ShellCharacters", "/opt/t/run a&b c;d e|f ~/g (h) i*j k?l #m <n> 'o'",
                 "/opt/t/run \"a&b\" \"c;d\" \"e|f\" \"~/g\" \"(h)\" \"i*j\" \"k?l\" \"#m\" "
                 "\"<n>\" \"'o'\""},
        ExecCase{"Tab", "/opt/t/run \"a\tb\"", "/opt/t/run \"a\\tb\""},
        ExecCase{"EqualsInAnArgument", "/opt/t/run --mode=tray", "/opt/t/run --mode=tray"},
        ExecCase{"ChineseText", "\"/opt/桌面 精灵/run\" 壁纸", "\"/opt/桌面 精灵/run\" 壁纸"}),
    [](const auto& test) { return std::string(test.param.name); });

// ---- the program's own value: the entry comes from its path, not from the line ----

/// Runs a command line of the test's own, whose paths hold no quote; its status.
int shell(const std::string& line) {
    return std::system(line.c_str());
}

TEST_F(AutostartMirrorTest, TheProgramsOwnEntryStartsItWhateverItsFolderIsCalled) {
    struct PathCase {
        const char* name;
        const char* folder;
        bool written; // false: no entry can start it, and nothing is written
    };
    const PathCase cases[] = {
        {"double quote", "dq\"x", true},    {"single quote", "it's", true},
        {"backslash", "back\\slash", true}, {"dollar", "$HOME", true},
        {"backtick", "`id`", true},         {"percent", "100%", true},
        {"spaces", "my  apps ", true},      {"Chinese", "桌面 精灵", true},
        {"equals sign", "a=b", false},
    };
    TempDir programs;
    const std::string ran = programs.file("ran");
    const std::string said = programs.file("said");
    const std::string entry = (folder() / "tovra-run-tavrodesktop.desktop").string();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(ran);
        diagnostics.str("");
        const std::string program = (programs.path() / c.folder / "TovraDesktop").string();
        writeScript(program, "printf '%s' \"$0\" > '" + ran + ".part' && mv '" + ran + ".part' '" +
                                 ran + "'");
        const std::string line = "\"" + program + "\""; // what Windows reads
        settings::RegistryAccess access(registry);
        access.setRootKey(kHkeyLocalMachine);
        ASSERT_TRUE(access.openKey(kRunKey, true));
        if (!c.written) {
            EXPECT_THROW(access.writeCommand(kRunValue, line, {program}), settings::RegistryError);
            EXPECT_EQ(readRun(store, kRunValue), "<none>");
            EXPECT_THAT(entries(), ElementsAre());
            EXPECT_THAT(diagnostics.str(), HasSubstr("cannot start"));
            continue;
        }
        access.writeCommand(kRunValue, line, {program});
        EXPECT_EQ(readRun(store, kRunValue), line);
        EXPECT_EQ(shell("desktop-file-validate '" + entry + "' > '" + said + "' 2>&1"), 0);
        EXPECT_EQ(readBytes(said), "");
        // GLib's own launcher, as the desktop runs it at log-on.
        const int launched = shell("gio launch '" + entry + "' > '" + said + "' 2>&1");
        EXPECT_EQ(launched, 0) << readBytes(said);
        if (launched == 0) {
            EXPECT_EQ(tovra::test::awaitFile(ran), program);
        }
        EXPECT_TRUE(deleteRun(registry, kRunValue));
    }
}

TEST_F(AutostartMirrorTest, AProgramsEntryThatCannotBeWrittenLeavesItsValueAsItWas) {
    writeRun(registry, kRunValue, "/opt/old");
    ASSERT_EQ(::chmod((folder() / "tovra-run-tavrodesktop.desktop").c_str(), 0444), 0);
    settings::RegistryAccess access(registry);
    access.setRootKey(kHkeyLocalMachine);
    ASSERT_TRUE(access.openKey(kRunKey, true));
    EXPECT_THROW(access.writeCommand(kRunValue, "\"/opt/new\"", {"/opt/new"}),
                 settings::RegistryError);
    EXPECT_EQ(readRun(store, kRunValue), "/opt/old");
    EXPECT_THAT(entry("tovra-run-tavrodesktop.desktop"), HasSubstr("\nExec=/opt/old\n"));
    EXPECT_THAT(diagnostics.str(), HasSubstr("unable to write the autostart entry"));
}

TEST_F(AutostartMirrorTest, AnUnquotedPathWithBlanksIsTheFirstReadingThatNamesAProgram) {
    TempDir programs;
    std::filesystem::create_directory(programs.path() / "my apps");
    writeBytes(programs.path() / "my apps" / "Tovra", "#!/bin/sh\n");
    const std::string program = (programs.path() / "my apps" / "Tovra").string();

    writeRun(registry, "App", program + " --tray");
    EXPECT_EQ(entry("tovra-run-app.desktop"), machineEntry("App", "\"" + program + "\" --tray"));

    // A shorter reading that exists wins, as Windows tries it first.
    writeBytes(programs.path() / "my", "#!/bin/sh\n");
    writeRun(registry, "App", program + " --tray");
    EXPECT_EQ(entry("tovra-run-app.desktop"),
              machineEntry("App", (programs.path() / "my").string() + " apps/Tovra --tray"));
}

TEST_F(AutostartMirrorTest, ExpandableStringsAreMirroredAndOtherTypesRemoveTheEntry) {
    struct TypeCase {
        const char* name;
        RegValue value;
        bool mirrored;
    };
    const TypeCase cases[] = {
        {"REG_SZ", RegValue::text("/opt/t/run"), true},
        {"REG_EXPAND_SZ", RegValue::text("%ProgramFiles%\\t.exe", kRegExpandSz), true},
        {"REG_DWORD", RegValue::dword(1), false},
        {"REG_BINARY", RegValue{kRegBinary, {0x2f, 0x62}}, false},
        {"REG_MULTI_SZ", RegValue{kRegMultiSz, {'/', 'b', 0, 0}}, false},
        {"REG_QWORD", RegValue{kRegQword, {1, 0, 0, 0, 0, 0, 0, 0}}, false},
    };
    HKey run = 0;
    ASSERT_EQ(registry.createKey(kHkeyLocalMachine, kRunKey.substr(1), run), kErrorSuccess);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Each type replaces a string value that had an entry.
        ASSERT_EQ(registry.setValue(run, "App", RegValue::text("/opt/old")), kErrorSuccess);
        ASSERT_THAT(entries(), ElementsAre("tovra-run-app.desktop"));
        ASSERT_EQ(registry.setValue(run, "App", c.value), kErrorSuccess);
        EXPECT_EQ(entries().size(), c.mirrored ? 1u : 0u);
        RegValue stored;
        EXPECT_EQ(store.queryValue(run, "App", stored), kErrorSuccess);
        EXPECT_EQ(stored, c.value);
    }
    ASSERT_EQ(registry.setValue(run, "App", cases[1].value), kErrorSuccess);
    EXPECT_EQ(entry("tovra-run-app.desktop"),
              machineEntry("App", "/usr/bin/env \"%%ProgramFiles%%\\\\\\\\t.exe\""));
    registry.closeKey(run);
}

TEST_F(AutostartMirrorTest, KeyAndValueNamesCompareWithoutRegardToCase) {
    HKey run = 0;
    ASSERT_EQ(registry.createKey(kHkeyLocalMachine,
                                 "SOFTWARE\\microsoft\\WINDOWS\\currentVersion\\rUN", run),
              kErrorSuccess);
    ASSERT_EQ(registry.setValue(run, "TavroDesktop", RegValue::text("/opt/a")), kErrorSuccess);
    ASSERT_EQ(registry.setValue(run, "TAVRODESKTOP", RegValue::text("/opt/b")), kErrorSuccess);
    EXPECT_THAT(entries(), ElementsAre("tovra-run-tavrodesktop.desktop"));
    EXPECT_THAT(entry("tovra-run-tavrodesktop.desktop"), HasSubstr("\nExec=/opt/b\n"));
    registry.closeKey(run);

    EXPECT_TRUE(deleteRun(registry, "tavrodesktop"));
    EXPECT_THAT(entries(), ElementsAre());
}

TEST_F(AutostartMirrorTest, ValueNamesBecomeSafeFileNames) {
    struct NameCase {
        std::string name;
        const char* fileName;
        const char* nameLine;
    };
    const NameCase cases[] = {
        {"My App", "tovra-run-my%20app.desktop", "Name=My App"},
        {"a/b\\c", "tovra-run-a%2Fb%5Cc.desktop", "Name=a/b\\\\c"},
        {"v1.2_x-y", "tovra-run-v1.2_x-y.desktop", "Name=v1.2_x-y"},
        {"100%", "tovra-run-100%25.desktop", "Name=100%"},
        {"桌面精灵", "tovra-run-桌面精灵.desktop", "Name=桌面精灵"},
        {"..", "tovra-run-...desktop", "Name=.."},
        {" lead\ttab", "tovra-run-%20lead%09tab.desktop", "Name=\\slead\\ttab"},
        {std::string("cut\0here", 8), "tovra-run-cut.desktop", "Name=cut"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileName);
        writeRun(registry, c.name, "/opt/t/run");
        EXPECT_THAT(entries(), ElementsAre(c.fileName));
        EXPECT_THAT(entry(c.fileName), HasSubstr(std::string("\n") + c.nameLine + "\n"));
        EXPECT_TRUE(deleteRun(registry, c.name));
        EXPECT_THAT(entries(), ElementsAre());
    }
}

TEST_F(AutostartMirrorTest, OnlyValuesDirectlyUnderTheRunKeysAreMirrored) {
    struct KeyCase {
        HKey root;
        const char* path;
        const char* fileName; // nullptr: nothing is mirrored
    };
    const KeyCase cases[] = {
        {kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
         "tovra-run-app.desktop"},
        {kHkeyCurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Run",
         "tovra-hkcu-run-app.desktop"},
        {kHkeyClassesRoot, "Software\\Microsoft\\Windows\\CurrentVersion\\Run", nullptr},
        {kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", nullptr},
        {kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\App", nullptr},
        {kHkeyLocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion", nullptr},
        {kHkeyLocalMachine, "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Run",
         nullptr},
        {kHkeyCurrentUser, "Run", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        HKey key = 0;
        ASSERT_EQ(registry.createKey(c.root, c.path, key), kErrorSuccess);
        ASSERT_EQ(registry.setValue(key, "App", RegValue::text("/opt/t/run")), kErrorSuccess);
        if (c.fileName != nullptr) {
            EXPECT_THAT(entries(), ElementsAre(c.fileName));
        } else {
            EXPECT_THAT(entries(), ElementsAre());
        }
        ASSERT_EQ(registry.deleteValue(key, "App"), kErrorSuccess);
        EXPECT_THAT(entries(), ElementsAre());
        registry.closeKey(key);
    }
    EXPECT_EQ(diagnostics.str(), "");
}

TEST_F(AutostartMirrorTest, TheDefaultValueOfTheRunKeyIsNotMirrored) {
    HKey run = 0;
    ASSERT_EQ(registry.createKey(kHkeyLocalMachine, kRunKey.substr(1), run), kErrorSuccess);
    EXPECT_EQ(registry.setValue(run, "", RegValue::text("/opt/t/run")), kErrorSuccess);
    EXPECT_THAT(entries(), ElementsAre());
    registry.closeKey(run);
}

TEST_F(AutostartMirrorTest, TheTwoRunKeysKeepTheirOwnEntries) {
    writeRun(registry, "App", "/opt/machine", kHkeyLocalMachine);
    writeRun(registry, "App", "/opt/user", kHkeyCurrentUser);
    EXPECT_THAT(entries(), ElementsAre("tovra-hkcu-run-app.desktop", "tovra-run-app.desktop"));
    EXPECT_THAT(entry("tovra-hkcu-run-app.desktop"),
                HasSubstr("\" under HKEY_CURRENT_USER\\\\Software\\\\Microsoft"));
    EXPECT_THAT(entry("tovra-hkcu-run-app.desktop"), HasSubstr("\nExec=/opt/user\n"));

    EXPECT_TRUE(deleteRun(registry, "App", kHkeyLocalMachine));
    EXPECT_THAT(entries(), ElementsAre("tovra-hkcu-run-app.desktop"));
}

TEST_F(AutostartMirrorTest, HandlesOpenedRelativeToOtherHandlesAreFollowed) {
    HKey microsoft = 0;
    HKey currentVersion = 0;
    HKey run = 0;
    HKey again = 0;
    HKey sub = 0;
    ASSERT_EQ(registry.createKey(kHkeyLocalMachine, "Software\\\\Microsoft\\", microsoft),
              kErrorSuccess);
    ASSERT_EQ(registry.createKey(microsoft, "Windows\\CurrentVersion", currentVersion),
              kErrorSuccess);
    ASSERT_EQ(registry.createKey(currentVersion, "Run", run), kErrorSuccess);
    ASSERT_EQ(registry.openKey(run, "", again), kErrorSuccess);
    ASSERT_EQ(registry.createKey(run, "Sub", sub), kErrorSuccess);
    ASSERT_EQ(registry.closeKey(run), kErrorSuccess);
    ASSERT_EQ(registry.closeKey(microsoft), kErrorSuccess);

    ASSERT_EQ(registry.setValue(again, "App", RegValue::text("/opt/t/run")), kErrorSuccess);
    EXPECT_THAT(entries(), ElementsAre("tovra-run-app.desktop"));
    ASSERT_EQ(registry.setValue(sub, "Other", RegValue::text("/opt/t/run")), kErrorSuccess);
    EXPECT_THAT(entries(), ElementsAre("tovra-run-app.desktop"));

    // The same name through the parent's handle is no Run value.
    EXPECT_EQ(registry.deleteValue(currentVersion, "App"), kErrorFileNotFound);
    EXPECT_THAT(entries(), ElementsAre("tovra-run-app.desktop"));
    ASSERT_EQ(registry.deleteValue(again, "App"), kErrorSuccess);
    EXPECT_THAT(entries(), ElementsAre());
    for (const HKey key : {again, currentVersion, sub}) {
        EXPECT_EQ(registry.closeKey(key), kErrorSuccess);
    }
}

TEST_F(AutostartMirrorTest, ASecondInstanceDeletingTheValueRemovesTheEntry) {
    EmulatedRegistry secondStore{state.path()};
    AutostartMirror second{secondStore, diagnostics};
    writeRun(registry, kRunValue, "/opt/t/run");
    ASSERT_THAT(entries(), ElementsAre("tovra-run-tavrodesktop.desktop"));
    EXPECT_TRUE(deleteRun(second, kRunValue));
    EXPECT_THAT(entries(), ElementsAre());
    EXPECT_EQ(readRun(registry, kRunValue), "<none>");
}

TEST_F(AutostartMirrorTest, DeletingAValueThatIsAlreadyGoneRemovesItsStaleEntry) {
    writeRun(registry, kRunValue, "/opt/t/run");
    EXPECT_TRUE(deleteRun(store, kRunValue)); // a program that mirrors nothing
    ASSERT_THAT(entries(), ElementsAre("tovra-run-tavrodesktop.desktop"));
    EXPECT_FALSE(deleteRun(registry, kRunValue));
    EXPECT_THAT(entries(), ElementsAre());
}

TEST_F(AutostartMirrorTest, DeletingTheRunKeyRemovesEveryEntryOfThatKey) {
    const std::function<void(Registry&)> deletions[] = {
        [](Registry& r) {
            settings::RegistryAccess access(r);
            access.setRootKey(kHkeyLocalMachine);
            EXPECT_TRUE(access.deleteKey(kRunKey));
        },
        [](Registry& r) {
            settings::RegistryAccess access(r); // the whole tree, depth first
            access.setRootKey(kHkeyLocalMachine);
            EXPECT_TRUE(access.deleteKey("\\Software\\Microsoft\\Windows\\CurrentVersion"));
        },
        [](Registry& r) {
            EXPECT_EQ(r.deleteKey(kHkeyLocalMachine, "software\\MICROSOFT\\windows\\"
                                                     "CurrentVersion\\run"),
                      kErrorSuccess);
        },
        [](Registry& r) {
            HKey windows = 0;
            ASSERT_EQ(r.openKey(kHkeyLocalMachine, "Software\\Microsoft\\Windows", windows),
                      kErrorSuccess);
            EXPECT_EQ(r.deleteKey(windows, "CurrentVersion\\Run"), kErrorSuccess);
            r.closeKey(windows);
        },
    };
    for (std::size_t i = 0; i < std::size(deletions); ++i) {
        SCOPED_TRACE("deletion " + std::to_string(i));
        writeRun(registry, "A", "/opt/a");
        writeRun(registry, "B", "/opt/b");
        writeRun(registry, "C", "/opt/c", kHkeyCurrentUser);
        writeBytes(folder() / "someone-else.desktop", "[Desktop Entry]\n");
        deletions[i](registry);
        EXPECT_THAT(entries(), ElementsAre("someone-else.desktop", "tovra-hkcu-run-c.desktop"));
        EXPECT_EQ(readRun(store, "C", kHkeyCurrentUser), "/opt/c");
    }
}

TEST_F(AutostartMirrorTest, AnUnwritableAutostartFolderNeverFailsTheRegistryWrite) {
    environment.set("XDG_CONFIG_HOME", tovra::test::unwritableFolder(config).string());
    AutostartMirror toStandardError{store};
    ::testing::internal::CaptureStderr();
    writeRun(toStandardError, kRunValue, "/opt/t/run"); // would throw on a failed write
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readRun(store, kRunValue), "/opt/t/run");
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_THAT(said, HasSubstr("\"TavroDesktop\""));
    EXPECT_THAT(said, HasSubstr("autostart"));

    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(deleteRun(toStandardError, kRunValue));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << "there was no entry to remove";
}

TEST_F(AutostartMirrorTest, AnEntryThatCannotBeReplacedLeavesTheRegistryWriteStanding) {
    writeRun(registry, kRunValue, "/opt/old");
    ASSERT_EQ(::chmod((folder() / "tovra-run-tavrodesktop.desktop").c_str(), 0444), 0);
    writeRun(registry, kRunValue, "/opt/new");
    EXPECT_EQ(readRun(store, kRunValue), "/opt/new");
    EXPECT_THAT(entry("tovra-run-tavrodesktop.desktop"), HasSubstr("\nExec=/opt/old\n"));
    const std::string said = diagnostics.str();
    EXPECT_THAT(said, HasSubstr("unable to write the autostart entry"));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST_F(AutostartMirrorTest, ACommandLineWithoutAProgramRemovesTheEntryAndSaysSo) {
    const char* const lines[] = {"", "   ", "\"\" /tray", "/opt/a=b/run", "\"/opt/x y/a=b\""};
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        diagnostics.str("");
        writeRun(registry, kRunValue, "/opt/t/run");
        writeRun(registry, kRunValue, line);
        EXPECT_EQ(readRun(store, kRunValue), line);
        EXPECT_THAT(entries(), ElementsAre());
        EXPECT_THAT(diagnostics.str(), HasSubstr("names no program"));
    }
}

TEST_F(AutostartMirrorTest, AFailedRegistryCallChangesNoEntry) {
    writeRun(registry, kRunValue, "/opt/t/run");
    HKey run = 0;
    ASSERT_EQ(registry.openKey(kHkeyLocalMachine, kRunKey.substr(1), run), kErrorSuccess);
    EXPECT_EQ(registry.setValue(run, "Bad\nName", RegValue::text("/opt/x")),
              kErrorInvalidParameter);
    EXPECT_EQ(registry.deleteKey(run, "Missing"), kErrorFileNotFound);
    EXPECT_THAT(entries(), ElementsAre("tovra-run-tavrodesktop.desktop"));

    // Another instance deletes the key: this handle is left pointing at nothing.
    EmulatedRegistry other{state.path()};
    ASSERT_EQ(other.deleteKey(kHkeyLocalMachine, kRunKey.substr(1)), kErrorSuccess);
    EXPECT_EQ(registry.setValue(run, "Late", RegValue::text("/opt/late")), kErrorKeyDeleted);
    EXPECT_EQ(registry.deleteValue(run, kRunValue), kErrorKeyDeleted);
    EXPECT_THAT(entries(), ElementsAre("tovra-run-tavrodesktop.desktop"));
    registry.closeKey(run);
}

/// A registry that, at each change, notes whether another instance could take
/// the autostart folder's lock at that moment.
class LockProbe final : public Registry {
public:
    LockProbe(Registry& inner, std::filesystem::path folder)
        : inner_(inner)
        , folder_(std::move(folder)) {}

    Status openKey(HKey key, const std::string& subKey, HKey& result) override {
        return inner_.openKey(key, subKey, result);
    }
    Status openKeyReadOnly(HKey key, const std::string& subKey, HKey& result) override {
        return inner_.openKeyReadOnly(key, subKey, result);
    }
    Status createKey(HKey key, const std::string& subKey, HKey& result) override {
        return inner_.createKey(key, subKey, result);
    }
    Status queryValue(HKey key, const std::string& name, RegValue& value) override {
        return inner_.queryValue(key, name, value);
    }
    Status setValue(HKey key, const std::string& name, const RegValue& value) override {
        probe();
        return inner_.setValue(key, name, value);
    }
    Status deleteValue(HKey key, const std::string& name) override {
        probe();
        return inner_.deleteValue(key, name);
    }
    Status deleteKey(HKey key, const std::string& subKey) override {
        probe();
        return inner_.deleteKey(key, subKey);
    }
    Status enumKey(HKey key, std::uint32_t index, std::string& name) override {
        return inner_.enumKey(key, index, name);
    }
    Status closeKey(HKey key) override { return inner_.closeKey(key); }

    /// "locked", "free" or "no folder", one per change.
    std::vector<std::string> seen;

private:
    void probe() {
        const int fd = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            seen.emplace_back("no folder");
            return;
        }
        const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        ::close(fd); // releases the lock if this probe took it
        seen.emplace_back(taken ? "locked" : "free");
    }

    Registry& inner_;
    std::filesystem::path folder_;
};

TEST_F(AutostartMirrorTest, RunChangesHoldTheAutostartFolderAgainstOtherInstances) {
    LockProbe probe(store, folder());
    AutostartMirror mirror(probe, diagnostics);
    struct Change {
        const char* name;
        std::function<Status(Registry&)> call;
        const char* seen;
    };
    const Change changes[] = {
        {"a value under another key writes no folder",
         [](Registry& r) { return r.setValue(kHkeyCurrentUser, "App", RegValue::text("/x")); },
         "no folder"},
        {"setting a Run value",
         [](Registry& r) {
             HKey run = 0;
             r.createKey(kHkeyLocalMachine, kRunKey.substr(1), run);
             const Status status = r.setValue(run, "App", RegValue::text("/opt/t/run"));
             r.closeKey(run);
             return status;
         },
         "locked"},
        {"deleting a Run value",
         [](Registry& r) {
             HKey run = 0;
             r.openKey(kHkeyLocalMachine, kRunKey.substr(1), run);
             const Status status = r.deleteValue(run, "App");
             r.closeKey(run);
             return status;
         },
         "locked"},
        {"deleting the Run key",
         [](Registry& r) { return r.deleteKey(kHkeyLocalMachine, kRunKey.substr(1)); }, "locked"},
        {"a value under another key leaves the folder free",
         [](Registry& r) { return r.setValue(kHkeyCurrentUser, "App", RegValue::text("/y")); },
         "free"},
    };
    for (const auto& change : changes) {
        SCOPED_TRACE(change.name);
        probe.seen.clear();
        EXPECT_EQ(change.call(mirror), kErrorSuccess);
        EXPECT_THAT(probe.seen, ElementsAre(change.seen));
    }
}

} // namespace
} // namespace tovra::platform::emulated
