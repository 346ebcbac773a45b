// The emulated registry: the conformance table, and what only the file-backed
// emulation has (its file, bad files kept aside, read-only files, several
// processes at once).

#include "platform/emulated/EmulatedRegistry.h"

#include "platform/emulated/RegistryStore.h"
#include "tests/platform/RegistryConformance.h"
#include "tests/support/TempDir.h"

#include <csignal>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tovra::platform::emulated {
namespace {

using test::RegistryConformance;
using ::testing::HasSubstr;
using tovra::test::readBytes;
using tovra::test::TempDir;
using tovra::test::writeBytes;

std::shared_ptr<Registry> scratchRegistry() {
    // The registry keeps the folder it lives in alive.
    struct Scratch {
        TempDir dir;
        std::ostringstream diagnostics;
        EmulatedRegistry registry{dir.path() / "state", diagnostics};
    };
    auto scratch = std::make_shared<Scratch>();
    return {scratch, &scratch->registry};
}

test::RegistryBackend emulatedBackend() {
    test::RegistryBackend backend{"Emulated", scratchRegistry};
    backend.system = tovra::test::System::Emulated;
    return backend;
}

INSTANTIATE_TEST_SUITE_P(Emulated, RegistryConformance,
                         ::testing::Combine(::testing::Values(emulatedBackend()),
                                            ::testing::ValuesIn(test::registryConformanceCases())),
                         test::registryConformanceName);

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";

unsigned modeOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

std::vector<std::filesystem::path> badFiles(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("registry.reg.bad-")) {
            found.push_back(entry.path());
        }
    }
    return found;
}

HKey create(Registry& registry, HKey root, const std::string& path) {
    HKey key = 0;
    EXPECT_EQ(registry.createKey(root, path, key), kErrorSuccess) << path;
    return key;
}

TEST(EmulatedRegistry, FirstWriteCreatesAPrivateFolderAndFile) {
    TempDir dir;
    const auto root = dir.path() / "data" / "TovraDesktop";
    EmulatedRegistry registry(root);
    HKey key = 0;
    RegValue value;
    EXPECT_EQ(registry.openKey(kHkeyCurrentUser, "Software", key), kErrorFileNotFound);
    EXPECT_EQ(registry.queryValue(kHkeyCurrentUser, "v", value), kErrorFileNotFound);
    EXPECT_FALSE(std::filesystem::exists(root)) << "reading must not create anything";

    ASSERT_EQ(registry.setValue(kHkeyCurrentUser, "v", RegValue::dword(1)), kErrorSuccess);
    EXPECT_EQ(modeOf(root), 0700u);
    EXPECT_EQ(modeOf(registry.file()), 0600u);
    EXPECT_EQ(registry.file(), root / "registry.reg");
}

TEST(EmulatedRegistry, FileIsTheRegistryEditorsFormatWithFirstSpellings) {
    TempDir dir;
    EmulatedRegistry registry(dir.path());
    const HKey desktop = create(registry, kHkeyCurrentUser, "Control Panel\\Desktop");
    ASSERT_EQ(registry.setValue(desktop, "Wallpaper", RegValue::text("C:\\壁纸\\a.bmp")), 0);
    ASSERT_EQ(registry.setValue(desktop, "WALLPAPER", RegValue::text("C:\\b \"x\".bmp")), 0);
    ASSERT_EQ(registry.setValue(desktop, "TileWallpaper", RegValue::text("0")), 0);
    const HKey run = create(registry, kHkeyLocalMachine, "SOFTWARE\\tavro");
    ASSERT_EQ(registry.setValue(run, "code", RegValue::dword(10)), 0);
    create(registry, kHkeyLocalMachine, "software\\Empty");
    const HKey icon = create(registry, kHkeyClassesRoot, "CLSID\\{X}\\DefaultIcon");
    ASSERT_EQ(registry.setValue(icon, "", RegValue::text("shell32.dll,3")), 0);

    EXPECT_EQ(readBytes(registry.file()), std::string(kHeader) +
                                              "[HKEY_CLASSES_ROOT\\CLSID]\r\n\r\n"
                                              "[HKEY_CLASSES_ROOT\\CLSID\\{X}]\r\n\r\n"
                                              "[HKEY_CLASSES_ROOT\\CLSID\\{X}\\DefaultIcon]\r\n"
                                              "@=\"shell32.dll,3\"\r\n\r\n"
                                              "[HKEY_CURRENT_USER\\Control Panel]\r\n\r\n"
                                              "[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
                                              "\"Wallpaper\"=\"C:\\\\b \\\"x\\\".bmp\"\r\n"
                                              "\"TileWallpaper\"=\"0\"\r\n\r\n"
                                              "[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n"
                                              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Empty]\r\n\r\n"
                                              "[HKEY_LOCAL_MACHINE\\SOFTWARE\\tavro]\r\n"
                                              "\"code\"=dword:0000000a\r\n\r\n");
}

TEST(EmulatedRegistry, SecondInstanceSeesTheFirstOnesWritesAtItsNextCall) {
    TempDir dir;
    EmulatedRegistry first(dir.path());
    EmulatedRegistry second(dir.path());
    const HKey mine = create(first, kHkeyCurrentUser, "Shared");
    const HKey theirs = create(second, kHkeyCurrentUser, "shared");
    RegValue value;
    EXPECT_EQ(second.queryValue(theirs, "v", value), kErrorFileNotFound);

    ASSERT_EQ(first.setValue(mine, "v", RegValue::text("from the first")), kErrorSuccess);
    ASSERT_EQ(second.queryValue(theirs, "V", value), kErrorSuccess);
    EXPECT_EQ(value.asText(), "from the first");
    ASSERT_EQ(second.setValue(theirs, "w", RegValue::dword(2)), kErrorSuccess);
    ASSERT_EQ(first.queryValue(mine, "w", value), kErrorSuccess);
    EXPECT_EQ(value.asDword(), 2u);
    ASSERT_EQ(first.queryValue(mine, "v", value), kErrorSuccess) << "the second's write kept it";

    // A change that leaves the file the same size is seen as well.
    for (std::uint32_t number = 3; number <= 5; ++number) {
        ASSERT_EQ(first.setValue(mine, "w", RegValue::dword(number)), kErrorSuccess);
        ASSERT_EQ(second.queryValue(theirs, "w", value), kErrorSuccess);
        EXPECT_EQ(value.asDword(), number);
    }

    // So is a file edited in place by hand (same inode, other bytes), by both.
    const std::filesystem::path file = dir.path() / "registry.reg";
    std::string text = readBytes(file);
    text.replace(text.find("dword:00000005"), 14, "\"by hand\"");
    writeBytes(file, text);
    for (EmulatedRegistry* registry : {&first, &second}) {
        ASSERT_EQ(registry->queryValue(registry == &first ? mine : theirs, "w", value),
                  kErrorSuccess);
        EXPECT_EQ(value.asText(), "by hand");
    }
    ASSERT_EQ(first.setValue(mine, "x", RegValue::dword(6)), kErrorSuccess);
    ASSERT_EQ(second.queryValue(theirs, "w", value), kErrorSuccess);
    EXPECT_EQ(value.asText(), "by hand") << "a change kept the edit";
}

TEST(EmulatedRegistry, HandleStaysDeletedAfterAnotherInstanceDeletedItsKey) {
    TempDir dir;
    EmulatedRegistry first(dir.path());
    EmulatedRegistry second(dir.path());
    const HKey mine = create(first, kHkeyCurrentUser, "Doomed");
    ASSERT_EQ(second.deleteKey(kHkeyCurrentUser, "DOOMED"), kErrorSuccess);
    RegValue value;
    EXPECT_EQ(first.queryValue(mine, "v", value), kErrorKeyDeleted);
    EXPECT_EQ(first.setValue(mine, "v", RegValue::dword(1)), kErrorKeyDeleted);

    // A key of the same name made afterwards is another key, as on Windows.
    create(second, kHkeyCurrentUser, "Doomed");
    EXPECT_EQ(first.setValue(mine, "v", RegValue::dword(1)), kErrorKeyDeleted);
    EXPECT_EQ(first.closeKey(mine), kErrorSuccess);
    HKey reopened = 0;
    EXPECT_EQ(first.openKey(kHkeyCurrentUser, "Doomed", reopened), kErrorSuccess);
}

TEST(EmulatedRegistry, HandlesItNeverIssuedAreInvalid) {
    TempDir dir;
    EmulatedRegistry registry(dir.path());
    const HKey handles[] = {0, 0x1234, 0x80000003u /* HKEY_USERS is not emulated */};
    for (const HKey handle : handles) {
        SCOPED_TRACE(handle);
        HKey key = 0;
        RegValue value;
        std::string name;
        EXPECT_EQ(registry.openKey(handle, "", key), kErrorInvalidHandle);
        EXPECT_EQ(registry.createKey(handle, "x", key), kErrorInvalidHandle);
        EXPECT_EQ(registry.queryValue(handle, "", value), kErrorInvalidHandle);
        EXPECT_EQ(registry.setValue(handle, "", RegValue::dword(1)), kErrorInvalidHandle);
        EXPECT_EQ(registry.enumKey(handle, 0, name), kErrorInvalidHandle);
        EXPECT_EQ(registry.closeKey(handle), kErrorInvalidHandle);
    }
    EXPECT_FALSE(std::filesystem::exists(registry.file()));
}

TEST(EmulatedRegistry, LeadingBackslashUnderTheClassesRootOpensAsWindowsDoes) {
    TempDir dir;
    EmulatedRegistry registry(dir.path());
    create(registry, kHkeyClassesRoot, "CLSID");
    create(registry, kHkeyCurrentUser, "Software");
    HKey key = 0;
    EXPECT_EQ(registry.openKey(kHkeyClassesRoot, "\\clsid", key), kErrorSuccess);
    EXPECT_EQ(registry.openKey(kHkeyClassesRoot, "\\\\clsid", key), kErrorBadPathname);
    EXPECT_EQ(registry.createKey(kHkeyClassesRoot, "\\clsid", key), kErrorBadPathname);
    EXPECT_EQ(registry.openKey(kHkeyCurrentUser, "\\Software", key), kErrorBadPathname);
}

TEST(EmulatedRegistry, NamesTheFileCannotHoldAreRefusedAndNamesEndAtAZero) {
    TempDir dir;
    EmulatedRegistry registry(dir.path());
    HKey key = 0;
    EXPECT_EQ(registry.createKey(kHkeyCurrentUser, "two\nlines", key), kErrorInvalidParameter);
    EXPECT_EQ(registry.createKey(kHkeyCurrentUser, "bad\xC3(", key), kErrorInvalidParameter);
    EXPECT_EQ(registry.setValue(kHkeyCurrentUser, "a\rb", RegValue::dword(1)),
              kErrorInvalidParameter);
    EXPECT_EQ(registry.setValue(kHkeyCurrentUser, "t", RegValue::text("\xFF\xFE")),
              kErrorInvalidParameter);
    EXPECT_FALSE(std::filesystem::exists(registry.file()));

    ASSERT_EQ(registry.setValue(kHkeyCurrentUser, std::string("cut\0here", 8), RegValue::dword(3)),
              kErrorSuccess);
    RegValue value;
    EXPECT_EQ(registry.queryValue(kHkeyCurrentUser, "CUT", value), kErrorSuccess);
    // Other bytes, a line break inside a text value included, are stored as they are.
    ASSERT_EQ(registry.setValue(kHkeyCurrentUser, "bin", RegValue{kRegBinary, {0xFF, 0xFE}}), 0);
}

TEST(EmulatedRegistry, ReadOnlyFileRefusesChangesAndKeepsItsContent) {
    TempDir dir;
    EmulatedRegistry registry(dir.path());
    const HKey key = create(registry, kHkeyCurrentUser, "Kept\\Child");
    ASSERT_EQ(registry.setValue(key, "v", RegValue::text("precious")), kErrorSuccess);
    ASSERT_EQ(registry.closeKey(key), kErrorSuccess);
    const std::string before = readBytes(registry.file());
    ASSERT_EQ(::chmod(registry.file().c_str(), 0444), 0);

    HKey opened = 0;
    EXPECT_EQ(registry.setValue(kHkeyCurrentUser, "new", RegValue::dword(1)), kErrorAccessDenied);
    EXPECT_EQ(registry.createKey(kHkeyCurrentUser, "Missing", opened), kErrorAccessDenied);
    EXPECT_EQ(opened, 0u);
    EXPECT_EQ(registry.deleteKey(kHkeyCurrentUser, "Kept\\Child"), kErrorAccessDenied);
    EXPECT_EQ(registry.deleteKey(kHkeyCurrentUser, "Missing"), kErrorFileNotFound);

    ASSERT_EQ(registry.createKey(kHkeyCurrentUser, "kept\\child", opened), kErrorSuccess);
    EXPECT_EQ(registry.deleteValue(opened, "v"), kErrorAccessDenied);
    EXPECT_EQ(registry.deleteValue(opened, "missing"), kErrorFileNotFound);
    RegValue value;
    ASSERT_EQ(registry.queryValue(opened, "v", value), kErrorSuccess);
    EXPECT_EQ(value.asText(), "precious");
    EXPECT_EQ(readBytes(registry.file()), before);
    EXPECT_EQ(modeOf(registry.file()), 0444u);
}

TEST(EmulatedRegistry, UnwritableFolderRefusesChangesAndReadsAsEmpty) {
    TempDir dir;
    EmulatedRegistry registry(tovra::test::unwritableFolder(dir) / "TovraDesktop");
    HKey key = 0;
    RegValue value;
    std::string name;
    EXPECT_EQ(registry.setValue(kHkeyCurrentUser, "v", RegValue::dword(1)), kErrorAccessDenied);
    EXPECT_EQ(registry.createKey(kHkeyCurrentUser, "Software", key), kErrorAccessDenied);
    EXPECT_EQ(registry.queryValue(kHkeyCurrentUser, "v", value), kErrorFileNotFound);
    EXPECT_EQ(registry.enumKey(kHkeyCurrentUser, 0, name), kErrorNoMoreItems);
    EXPECT_EQ(registry.openKey(kHkeyCurrentUser, "", key), kErrorSuccess);
}

TEST(EmulatedRegistry, UnreadableFileIsNeitherReadNorReplaced) {
    TempDir dir;
    EmulatedRegistry registry(dir.path());
    std::filesystem::create_directory(registry.file()); // cannot be read as a file
    writeBytes(registry.file() / "inside", "kept");
    RegValue value;
    EXPECT_EQ(registry.queryValue(kHkeyCurrentUser, "v", value), kErrorAccessDenied);
    EXPECT_EQ(registry.setValue(kHkeyCurrentUser, "v", RegValue::dword(1)), kErrorAccessDenied);
    EXPECT_EQ(readBytes(registry.file() / "inside"), "kept");
    EXPECT_TRUE(badFiles(dir.path()).empty());
}

struct Garbage {
    const char* name;
    std::string bytes;
    std::size_t line;
    bool firstCallWrites;
};

std::vector<Garbage> garbage() {
    const std::string header = "Windows Registry Editor Version 5.00\r\n\r\n";
    return {
        {"no header", "hello, world\n", 1, false},
        {"binary junk", std::string("\x00\x01\x02\xFF\xFE garbage", 14), 1, true},
        {"header only in lower case", "windows registry editor version 5.00\n", 1, false},
        {"value before any key", header + "\"a\"=\"b\"\r\n", 3, true},
        {"root the emulation lacks", header + "[HKEY_USERS\\x]\r\n", 3, false},
        {"key line without ]", header + "[HKEY_CURRENT_USER\\x\r\n", 3, false},
        {"unterminated text", header + "[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"b\r\n", 4, true},
        {"unknown escape", header + "[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"C:\\Windows\"\r\n", 4,
         false},
        {"bad dword", header + "[HKEY_CURRENT_USER\\x]\r\n\"a\"=dword:xyz\r\n", 4, false},
        {"dword too long", header + "[HKEY_CURRENT_USER\\x]\r\n\"a\"=dword:123456789\r\n", 4,
         false},
        {"hex list ends in a comma", header + "[HKEY_CURRENT_USER\\x]\r\n\"a\"=hex:01,02,\r\n", 4,
         false},
        {"hex list cut off", header + "[HKEY_CURRENT_USER\\x]\r\n\"a\"=hex:01,02,\\\r\n", 4, true},
        {"bad hex byte", header + "[HKEY_CURRENT_USER\\x]\r\n\"a\"=hex:01,\\\r\n  0g\r\n", 5,
         false},
        {"not UTF-8 in a line", header + "[HKEY_CURRENT_USER\\x]\r\n\"a\"=\"\xC3(\"\r\n", 4, true},
        {"stray text", header + "[HKEY_CURRENT_USER\\x]\r\nwhat is this\r\n", 4, false},
        {"deleting a value", header + "[HKEY_CURRENT_USER\\x]\r\n\"a\"=-\r\n", 4, false},
    };
}

TEST(EmulatedRegistry, FileThatDoesNotParseIsKeptAsideAndReportedOnce) {
    for (const Garbage& bad : garbage()) {
        SCOPED_TRACE(bad.name);
        TempDir dir;
        std::ostringstream diagnostics;
        EmulatedRegistry registry(dir.path(), diagnostics);
        writeBytes(registry.file(), bad.bytes);

        RegValue value;
        if (bad.firstCallWrites) {
            EXPECT_EQ(registry.setValue(kHkeyCurrentUser, "fresh", RegValue::dword(1)), 0);
        } else {
            EXPECT_EQ(registry.queryValue(kHkeyCurrentUser, "fresh", value), kErrorFileNotFound);
            EXPECT_EQ(registry.setValue(kHkeyCurrentUser, "fresh", RegValue::dword(1)), 0);
        }
        const auto kept = badFiles(dir.path());
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(readBytes(kept.front()), bad.bytes);

        // The registry started empty and works.
        std::string name;
        EXPECT_EQ(registry.enumKey(kHkeyCurrentUser, 0, name), kErrorNoMoreItems);
        ASSERT_EQ(registry.queryValue(kHkeyCurrentUser, "fresh", value), kErrorSuccess);
        EXPECT_EQ(value.asDword(), 1u);

        const std::string said = diagnostics.str();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_THAT(said, HasSubstr("line " + std::to_string(bad.line) + ":"));
        EXPECT_THAT(said, HasSubstr(registry.file().string()));
        EXPECT_THAT(said, HasSubstr(kept.front().string()));
    }
}

TEST(EmulatedRegistry, BadFileNoticeGoesToStandardErrorAndAMissingFileSaysNothing) {
    TempDir dir;
    EmulatedRegistry registry(dir.path());
    RegValue value;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(registry.queryValue(kHkeyCurrentUser, "v", value), kErrorFileNotFound);
    EXPECT_EQ(registry.setValue(kHkeyCurrentUser, "v", RegValue::dword(1)), kErrorSuccess);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");

    writeBytes(registry.file(), "REGEDIT4\n[HKEY_NOWHERE]\n");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(registry.queryValue(kHkeyCurrentUser, "v", value), kErrorFileNotFound);
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_THAT(said, HasSubstr("line 2: unknown root key \"HKEY_NOWHERE\""));
    EXPECT_THAT(said, HasSubstr("registry.reg.bad-"));
}

TEST(EmulatedRegistry, BadFileNamesTakeACounterWhenTheStampIsTaken) {
    TempDir dir;
    const auto file = dir.path() / "registry.reg";
    const std::string stamp = "20240102-030405";
    EXPECT_EQ(badFilePath(file, stamp), dir.path() / "registry.reg.bad-20240102-030405");
    writeBytes(dir.path() / "registry.reg.bad-20240102-030405", "one");
    EXPECT_EQ(badFilePath(file, stamp), dir.path() / "registry.reg.bad-20240102-030405-2");
    writeBytes(dir.path() / "registry.reg.bad-20240102-030405-2", "two");
    EXPECT_EQ(badFilePath(file, stamp), dir.path() / "registry.reg.bad-20240102-030405-3");
}

/// Writes count distinct values through a registry of its own; the exit code
/// is the number of calls that failed.
[[noreturn]] void writeValuesAndExit(const std::filesystem::path& root, int child, int count) {
    ::alarm(120); // a child stuck on a lock fails the test instead of hanging it
    std::ostringstream quiet;
    EmulatedRegistry registry(root, quiet);
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        HKey key = 0;
        failures += registry.createKey(kHkeyCurrentUser, "Software\\Race", key) != kErrorSuccess;
        const std::string name = "child" + std::to_string(child) + "-" + std::to_string(i);
        failures += registry.setValue(key, name, RegValue::dword(static_cast<std::uint32_t>(i))) !=
                    kErrorSuccess;
        failures += registry.closeKey(key) != kErrorSuccess;
    }
    ::_exit(std::min(failures, 100));
}

TEST(EmulatedRegistry, ProcessesWritingAtOnceLoseNoWrite) {
    constexpr int kChildren = 4;
    constexpr int kValues = 40;
    TempDir dir;
    const auto root = dir.path() / "state";
    std::vector<pid_t> children;
    for (int child = 0; child < kChildren; ++child) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            writeValuesAndExit(root, child, kValues);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status)) << "child ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 0) << "calls that failed in a child";
    }
    EmulatedRegistry registry(root);
    HKey key = 0;
    ASSERT_EQ(registry.openKey(kHkeyCurrentUser, "Software\\Race", key), kErrorSuccess);
    int missing = 0;
    for (int child = 0; child < kChildren; ++child) {
        for (int i = 0; i < kValues; ++i) {
            RegValue value;
            const std::string name = "child" + std::to_string(child) + "-" + std::to_string(i);
            missing += registry.queryValue(key, name, value) != kErrorSuccess ||
                       value.asDword() != static_cast<std::uint32_t>(i);
        }
    }
    EXPECT_EQ(missing, 0);
    EXPECT_TRUE(badFiles(root).empty());
}

} // namespace
} // namespace tovra::platform::emulated
