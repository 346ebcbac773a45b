#include "platform/emulated/ActivityLog.h"

#include "tests/support/TempDir.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace tovra::platform::emulated {
namespace {

using tovra::test::readBytes;
using tovra::test::TempDir;

TEST(ActivityLog, OneEventIsOneLineWhateverItsFieldsHold) {
    TempDir scratch;
    const auto log = scratch.path() / "events.log";
    ASSERT_TRUE(appendLogLine(log, {"open", "C:\\a\tb\nc\r.txt"}));
    ASSERT_TRUE(appendLogLine(log, {"second"}));

    const std::string text = readBytes(log);
    const auto firstEnd = text.find('\n');
    ASSERT_NE(firstEnd, std::string::npos);
    EXPECT_TRUE(text.substr(0, firstEnd).ends_with("\topen\tC:\\\\a\\tb\\nc\\r.txt")) << text;
    EXPECT_TRUE(text.substr(firstEnd + 1).ends_with("\tsecond\n")) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2);
    // The time comes first, as 2024-05-01T12:00:00Z.
    EXPECT_EQ(text.find('\t'), 20u);
    EXPECT_EQ(text[19], 'Z');

    struct stat info {};
    ASSERT_EQ(::stat(log.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_FALSE(appendLogLine(tovra::test::unwritableFolder(scratch) / "x.log", {"x"}));
}

} // namespace
} // namespace tovra::platform::emulated
