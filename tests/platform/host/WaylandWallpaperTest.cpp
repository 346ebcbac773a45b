// The wallpaper on Wayland compositors of their own, against stand-ins that
// record their arguments: swaymsg on Sway, the program's own swaybg
// elsewhere, with the picture's path as one argument, exactly.

#include "platform/host/SwaySetter.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/ScriptFiles.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <set>
#include <thread>

namespace tovra::platform::host {
namespace {

using tovra::test::awaitFile;
using tovra::test::writeScript;

TEST(SwayCommandWordTest, EveryCharacterSwayOrTheShellWouldReadIsEscaped) {
    const struct {
        std::string path;
        std::optional<std::string> word;
    } cases[] = {
        {"/home/u/a_b-1.bmp", "/home/u/a_b-1.bmp"},
        {"/a b  c.bmp", "/a\\ b\\ \\ c.bmp"},
        {"/'\"$`;,%*~\\.bmp", "/\\'\\\"\\$\\`\\;\\,\\%\\*\\~\\\\.bmp"},
        {"/墙纸/é.bmp", "/墙纸/é.bmp"},
        {"/a\nb.bmp", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(swayCommandWord(c.path), c.word) << c.path;
    }
}

/// Both tools as stand-ins that write their arguments, NUL-separated, to
/// <pid>.args (whole, through a rename); swaybg then keeps running.
class WaylandStandInTest : public testing::Test {
protected:
    WaylandStandInTest() {
        const auto bin = scratch.path() / "bin";
        const std::string record = "printf '%s\\0' \"$@\" > \"" + scratch.path().string() +
                                   "/$$.part\" && mv \"" + scratch.path().string() +
                                   "/$$.part\" \"" + scratch.path().string() + "/$$.args\"\n";
        writeScript(bin / "swaybg", record + "exec /bin/sleep 60");
        writeScript(bin / "swaymsg", record);
        environment.set("PATH", bin.string() + ":/usr/bin:/bin");
    }

    /// The arguments the program with that process id was given.
    std::vector<std::string> argumentsOf(int pid) {
        std::vector<std::string> arguments;
        const std::string text =
            awaitFile(scratch.path() / (std::to_string(pid) + ".args")).value_or("");
        std::string_view rest = text;
        while (!rest.empty()) {
            const auto end = rest.find('\0');
            arguments.emplace_back(rest.substr(0, end));
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        }
        return arguments;
    }

    static bool gone(int pid) { return ::kill(pid, 0) == -1 && errno == ESRCH; }

    /// The process id of the one stand-in that recorded its arguments since
    /// those already seen, which it joins; 0 when none did within a generous while.
    int newcomer() {
        for (int attempt = 0; attempt < 1000; ++attempt) {
            for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
                if (entry.path().extension() == ".args") {
                    const int pid = std::stoi(entry.path().stem().string());
                    if (seen.insert(pid).second) {
                        return pid;
                    }
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return 0;
    }

    tovra::test::TempDir scratch;
    tovra::test::ScopedEnvironment environment;
    ToolRunner tools;
    std::set<int> seen;
    std::string hostile = scratch.file("a'b\"c %d\n墙 纸$HOME`x`.bmp");
};

TEST_F(WaylandStandInTest, EachSwaybgReplacesTheProgramsOwnAndNoOther) {
    // A swaybg that the program did not start.
    const tovra::test::ChildProcess foreign({(scratch.path() / "bin" / "swaybg").string()});
    const int foreignPid = newcomer();
    ASSERT_NE(foreignPid, 0);

    int previous = 0;
    {
        SwaybgSetter setter(std::chrono::milliseconds(100));
        const struct {
            WallpaperStyle style;
            const char* mode;
        } cases[] = {{WallpaperStyle::Centred, "center"},
                     {WallpaperStyle::Tiled, "tile"},
                     {WallpaperStyle::Stretched, "stretch"}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.mode);
            ASSERT_EQ(setter.apply(hostile, c.style, tools), std::nullopt);
            const int current = newcomer();
            ASSERT_NE(current, 0);
            EXPECT_EQ(argumentsOf(current),
                      (std::vector<std::string>{"-o", "*", "-i", hostile, "-m", c.mode}));
            EXPECT_FALSE(gone(current));
            if (previous != 0) {
                EXPECT_TRUE(gone(previous)); // stopped once the new one was up
            }
            previous = current;
        }
    }
    EXPECT_TRUE(gone(previous)); // stopped when the program ends
    EXPECT_FALSE(gone(foreignPid));
}

TEST_F(WaylandStandInTest, SwayGetsThePathAsOneEscapedWordAndALineBreakGoesToSwaybg) {
    SwaySetter setter(std::chrono::milliseconds(100));
    const std::string spaced = scratch.file("墙 纸 $HOME.bmp");
    ASSERT_EQ(setter.apply(spaced, WallpaperStyle::Tiled, tools), std::nullopt);
    const int swaymsg = newcomer();
    const auto word = swayCommandWord(spaced);
    ASSERT_TRUE(word);
    EXPECT_EQ(argumentsOf(swaymsg), (std::vector<std::string>{"output", "*", "bg", *word, "tile"}));
    EXPECT_TRUE(word->ends_with("/墙\\ 纸\\ \\$HOME.bmp")) << *word;

    // Sway's commands cannot carry a line break: the program's own swaybg
    // shows that picture, until Sway shows the next one.
    ASSERT_EQ(setter.apply(hostile, WallpaperStyle::Centred, tools), std::nullopt);
    const int swaybg = newcomer();
    EXPECT_EQ(argumentsOf(swaybg),
              (std::vector<std::string>{"-o", "*", "-i", hostile, "-m", "center"}));
    ASSERT_EQ(setter.apply(spaced, WallpaperStyle::Stretched, tools), std::nullopt);
    EXPECT_EQ(argumentsOf(newcomer()).back(), "stretch");
    EXPECT_TRUE(gone(swaybg));
}

} // namespace
} // namespace tovra::platform::host
