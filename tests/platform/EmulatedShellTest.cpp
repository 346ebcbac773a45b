#include "platform/emulated/EmulatedShell.h"

#include "platform/emulated/EmulatedRegistry.h"
#include "tests/support/EmulatedFakes.h"
#include "tests/support/TempDir.h"

#include <cctype>
#include <cerrno>
#include <gtest/gtest.h>
#include <sstream>

namespace tovra::platform::emulated {
namespace {

using test::RecordingLauncher;
using tovra::test::readBytes;
using tovra::test::TempDir;
using tovra::test::writeBytes;

std::vector<std::string> logLines(const StateRoot& root) {
    std::vector<std::string> lines;
    std::istringstream in(readBytes(root.file("shell-executed.log")));
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

/// The wallpaper value as Windows keeps it; nothing when it is not there.
std::optional<RegValue> storedWallpaper(Registry& registry) {
    HKey key = 0;
    if (registry.openKey(kHkeyCurrentUser, "Control Panel\\Desktop", key) != kErrorSuccess) {
        return std::nullopt;
    }
    RegValue value;
    const Status status = registry.queryValue(key, "wallpaper", value);
    registry.closeKey(key);
    return status == kErrorSuccess ? std::optional(value) : std::nullopt;
}

class EmulatedShellTest : public testing::Test {
protected:
    EmulatedShellTest() {
        std::filesystem::create_directory(scratch.path() / "docs");
        writeBytes(scratch.path() / "docs" / "readme.txt", "hello");
        writeBytes(scratch.path() / "docs" / "other.bmp", "BM");
    }

    TempDir scratch;
    StateRoot root{scratch.path() / "root"};
    EmulatedRegistry registry{root.path()};
    RecordingLauncher launcher;
};

struct ExecuteCase {
    const char* name;
    const char* operation;
    const char* file;
    const char* directory;
    int launcherError;
    std::intptr_t expected;
    /// What xdg-open is given ("{dir}" is the scratch folder); nullptr: nothing starts.
    const char* opened;
};

std::string expand(std::string text, const std::filesystem::path& dir) {
    const auto at = text.find("{dir}");
    return at == std::string::npos ? text : text.replace(at, 5, dir.string());
}

TEST_F(EmulatedShellTest, ShellExecuteOpensWithTheDesktopAndLogsEveryRequest) {
    const ExecuteCase cases[] = {
        {"a page, no operation", "", "https://example.org/a?b=c", "", 0, 42,
         "https://example.org/a?b=c"},
        {"a page, open", "open", "http://example.org", "", 0, 42, "http://example.org"},
        {"the operation's case does not matter", "OPEN", "mailto:x@example.org", "", 0, 42,
         "mailto:x@example.org"},
        {"an existing file", "open", "{dir}/docs/readme.txt", "", 0, 42, "{dir}/docs/readme.txt"},
        {"a file relative to the directory", "open", "readme.txt", "{dir}/docs", 0, 42,
         "{dir}/docs/readme.txt"},
        {"a folder to explore", "explore", "{dir}/docs", "", 0, 42, "{dir}/docs"},
        {"a missing file", "open", "{dir}/docs/missing.txt", "", 0, 2, nullptr},
        {"no file", "open", "", "", 0, 2, nullptr},
        {"an operation nobody handles", "print", "{dir}/docs/readme.txt", "", 0, 31, nullptr},
        {"no xdg-open on this desktop", "open", "https://example.org", "", ENOENT, 2,
         "https://example.org"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        launcher.requests.clear();
        launcher.error = c.launcherError;
        EmulatedShell shell(registry, root, launcher);
        const std::string file = expand(c.file, scratch.path());
        const std::string directory = expand(c.directory, scratch.path());

        EXPECT_EQ(shell.shellExecute(0, c.operation, file, "", directory, kSwShowNormal),
                  c.expected);
        if (c.opened == nullptr) {
            EXPECT_TRUE(launcher.requests.empty());
        } else {
            ASSERT_EQ(launcher.requests.size(), 1u);
            EXPECT_EQ(launcher.requests[0],
                      (LaunchRequest{"xdg-open", {expand(c.opened, scratch.path())}, directory}));
        }
        const auto lines = logLines(root);
        ASSERT_FALSE(lines.empty());
        EXPECT_TRUE(lines.back().ends_with("\t" + std::to_string(c.expected))) << lines.back();
        EXPECT_NE(lines.back().find(file), std::string::npos) << lines.back();
    }
    EXPECT_EQ(logLines(root).size(), std::size(cases));
}

TEST(EmulatedShell, WebAddressesAreToldFromFiles) {
    const std::pair<const char*, bool> cases[] = {
        {"https://example.org", true}, {"mailto:someone@example.org", true},
        {"svn+ssh://host/repo", true}, {"C:\\pictures\\a.jpg", false},
        {"/home/user/a.jpg", false},   {"a.jpg", false},
        {"1http://x", false},          {"my file: notes.txt", false},
        {":nothing", false},           {"", false},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(isWebAddress(text), expected);
    }
}

TEST_F(EmulatedShellTest, RecentDocumentsKeepEachPathOnceNewestFirst) {
    EmulatedShell shell(registry, root, launcher);
    shell.addToRecentDocs(kShardPath, "/pictures/a.jpg");
    shell.addToRecentDocs(kShardPath, "/pictures/b c.jpg");
    shell.addToRecentDocs(kShardPath, "/pictures/a.jpg");
    shell.addToRecentDocs(1 /* SHARD_PIDL */, "/pictures/not-a-path.jpg");
    shell.addToRecentDocs(kShardPath, "/pictures/line\nbreak.jpg");
    EXPECT_EQ(shell.recentDocuments().entries(),
              (std::vector<std::string>{"/pictures/a.jpg", "/pictures/b c.jpg"}));
    EXPECT_EQ(readBytes(root.file("RecentDocuments.txt")), "/pictures/a.jpg\n/pictures/b c.jpg\n");

    // Another instance sees and extends the same list.
    EmulatedShell other(registry, root, launcher);
    other.addToRecentDocs(kShardPath, "/pictures/d.jpg");
    EXPECT_EQ(shell.recentDocuments().entries().front(), "/pictures/d.jpg");

    shell.addToRecentDocs(kShardPath, std::nullopt);
    EXPECT_TRUE(other.recentDocuments().entries().empty());
    EXPECT_TRUE(std::filesystem::exists(root.file("RecentDocuments.txt")));
}

TEST_F(EmulatedShellTest, ClearingAListThatNeverExistedIsNoError) {
    EmulatedShell shell(registry, root, launcher);
    shell.addToRecentDocs(kShardPath, std::nullopt);
    EXPECT_TRUE(shell.recentDocuments().entries().empty());
}

class RecordingWallpaper final : public HostWallpaper {
public:
    void show(const std::string& path, WallpaperStyle style) override {
        shown.emplace_back(path, style);
    }
    std::vector<std::pair<std::string, WallpaperStyle>> shown;
};

TEST_F(EmulatedShellTest, WallpaperIsStoredWhereWindowsKeepsItOnlyWhenAskedTo) {
    const std::string picture = scratch.file("docs/readme.txt");
    struct Case {
        const char* name;
        std::string path;
        unsigned flags;
        bool expected;
        std::optional<std::string> stored; // nothing: the value stays as it was
        bool shownOnDesktop;
    };
    const Case cases[] = {
        {"update the profile and tell everyone", picture, 3, true, picture, true},
        {"this session only", scratch.file("docs/other.bmp"), 0, true, std::nullopt, true},
        {"no wallpaper", "", kSpifUpdateIniFile, true, std::string(), false},
        {"a picture that does not exist", scratch.file("missing.bmp"), 3, false, std::nullopt,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingWallpaper host;
        EmulatedShell shell(registry, root, launcher, &host);
        const auto before = storedWallpaper(registry);

        EXPECT_EQ(shell.setDeskWallpaper(c.path, c.flags), c.expected);
        const auto after = storedWallpaper(registry);
        if (c.stored) {
            ASSERT_TRUE(after.has_value());
            EXPECT_EQ(*after, RegValue::text(*c.stored));
        } else {
            EXPECT_EQ(after, before);
        }
        EXPECT_EQ(host.shown.size(), c.shownOnDesktop ? 1u : 0u);
    }
}

TEST_F(EmulatedShellTest, TheRealDesktopGetsTheStyleWrittenBeside) {
    struct Case {
        const char* name;
        std::optional<RegValue> style; // nothing: no "wallpaperstyle" value
        WallpaperStyle expected;
    };
    const Case cases[] = {
        {"centre", RegValue::text("0"), WallpaperStyle::Centred},
        {"tile", RegValue::text("1"), WallpaperStyle::Tiled},
        {"stretch", RegValue::text("2"), WallpaperStyle::Stretched},
        {"stretch as a number", RegValue::dword(2), WallpaperStyle::Stretched},
        {"a code this program never writes", RegValue::text("10"), WallpaperStyle::Centred},
        {"no value", std::nullopt, WallpaperStyle::Centred},
    };
    const std::string picture = scratch.file("docs/readme.txt");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HKey key = 0;
        ASSERT_EQ(registry.createKey(kHkeyCurrentUser, "Control Panel\\Desktop", key),
                  kErrorSuccess);
        if (c.style) {
            ASSERT_EQ(registry.setValue(key, "WallpaperStyle", *c.style), kErrorSuccess);
        } else {
            registry.deleteValue(key, "wallpaperstyle");
        }
        registry.closeKey(key);
        RecordingWallpaper host;
        EmulatedShell shell(registry, root, launcher, &host);

        ASSERT_TRUE(shell.setDeskWallpaper(picture, 3));
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(host.shown.front(), std::make_pair(picture, c.expected));
    }
}

TEST_F(EmulatedShellTest, WallpaperWithoutARealDesktopCounterpartStillReachesTheRegistry) {
    EmulatedShell shell(registry, root, launcher);
    const std::string picture = scratch.file("docs/readme.txt");
    EXPECT_TRUE(shell.setDeskWallpaper(picture, kSpifUpdateIniFile | kSpifSendWinIniChange));
    EXPECT_EQ(storedWallpaper(registry), RegValue::text(picture));
    // Another instance reads the same registry file.
    EmulatedRegistry second(root.path());
    EXPECT_EQ(storedWallpaper(second), RegValue::text(picture));
}

} // namespace
} // namespace tovra::platform::emulated
