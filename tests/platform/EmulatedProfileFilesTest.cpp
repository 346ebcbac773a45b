#include "platform/emulated/EmulatedProfileFiles.h"

#include "tests/platform/ProfileConformance.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tovra::platform::emulated {
namespace {

using namespace std::string_literals;
using test::readBytes;
using test::TempDir;
using test::writeBytes;

class TempScratch final : public test::ScratchFolder {
public:
    [[nodiscard]] std::filesystem::path path() const override { return dir_.path(); }
    [[nodiscard]] std::filesystem::path unwritableFolder() override {
        return test::unwritableFolder(dir_);
    }

private:
    TempDir dir_;
};

test::ProfileBackend emulatedBackend() {
    return {"Emulated", [] { return std::make_unique<EmulatedProfileFiles>(); },
            [] { return std::make_unique<TempScratch>(); }, tovra::test::System::Emulated};
}

using test::ProfileConformance;
INSTANTIATE_TEST_SUITE_P(Emulated, ProfileConformance,
                         ::testing::ValuesIn(test::conformanceCases(emulatedBackend())),
                         test::conformanceCaseName);

// The layout of a file edited here: every line that a change does not touch
// stays byte for byte, and new lines take the file's own line break.
struct LayoutCase {
    const char* name;
    std::string before;
    const char* section;
    const char* key;
    const char* value; // null: delete the key; a null key too: erase the section
    std::string after;
};

class EmulatedLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(EmulatedLayout, KeepsUntouchedLines) {
    const LayoutCase& layout = GetParam();
    TempDir dir;
    const std::string file = dir.file("layout.ini");
    writeBytes(file, layout.before);
    EmulatedProfileFiles profiles;
    if (layout.value != nullptr) {
        EXPECT_TRUE(profiles.writeString(file, layout.section, layout.key, layout.value));
    } else if (layout.key != nullptr) {
        EXPECT_TRUE(profiles.deleteKey(file, layout.section, layout.key));
    } else {
        EXPECT_TRUE(profiles.eraseSection(file, layout.section));
    }
    EXPECT_EQ(readBytes(file), layout.after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EmulatedLayout,
    ::testing::Values(
        LayoutCase{"LfStaysLf", "[s]\nk=v\n", "s", "j", "w", "[s]\nk=v\nj=w\n"},
        LayoutCase{"LfNewSection", "[s]\nk=v\n", "t", "a", "1", "[s]\nk=v\n[t]\na=1\n"},
        LayoutCase{"CrStaysCr", "[s]\rk=v\r", "s", "k", "x", "[s]\rk=x\r"},
        LayoutCase{"NewLinesTakeTheFirstBreak", "[s]\nk=v\r\n", "s", "j", "w", "[s]\nk=v\r\nj=w\n"},
        LayoutCase{"CommentsAndBlanksStay",
                   "; top\r\n\r\n[s]\r\n; about k\r\nk = v\r\n\r\n; next\r\n[t]\r\n", "s", "j", "w",
                   "; top\r\n\r\n[s]\r\n; about k\r\nk = v\r\nj=w\r\n\r\n; next\r\n[t]\r\n"},
        LayoutCase{"OnlyTheChangedLineIsRewritten", "[s]\r\n  a = 1  \r\nk = v\r\n", "s", "k", "x",
                   "[s]\r\n  a = 1  \r\nk=x\r\n"},
        LayoutCase{"BlanksBeforeAWrittenValueAreDropped", "[s]\r\n", "s", "k", "  v",
                   "[s]\r\nk=v\r\n"},
        LayoutCase{"SpacedHeaderStays", "[ s ]\r\nk=v\r\n", "S", "j", "w",
                   "[ s ]\r\nk=v\r\nj=w\r\n"},
        LayoutCase{"DeleteKeepsNeighbours", "[s]\r\n; c\r\nk=v\r\n\r\nj=w\r\n", "s", "k", nullptr,
                   "[s]\r\n; c\r\n\r\nj=w\r\n"},
        LayoutCase{"EraseTakesTheLinesUpToTheNextSection",
                   "; head\r\n[a]\r\n; a's\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", nullptr, nullptr,
                   "; head\r\n[b]\r\ny=2\r\n"},
        LayoutCase{"ByteOrderMarkIsKept", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", "x",
                   "\xEF\xBB\xBF[s]\r\nk=x\r\n"},
        // Every encoding keeps the bytes of the lines a change does not touch,
        // and writes the changed ones in the file's own encoding.
        LayoutCase{
            "CodePage936StaysCodePage936",
            "; \xD7\xA2\xCA\xCD\r\n[\xD6\xD0\xCE\xC4]\r\nk = \xCD\xBC\r\n[b]\r\nx=1\r\n", "b", "x",
            "图",
            "; \xD7\xA2\xCA\xCD\r\n[\xD6\xD0\xCE\xC4]\r\nk = \xCD\xBC\r\n[b]\r\nx=\xCD\xBC\r\n"},
        LayoutCase{"Latin1LinesKeepTheirBytes", "[s]\r\ncaf\xE9 = cr\xE8me\r\nk=v\r\n", "s", "k",
                   "图", "[s]\r\ncaf\xE9 = cr\xE8me\r\nk=\xE5\x9B\xBE\r\n"},
        LayoutCase{"Utf8WithoutMarkStaysSo", "[s]\r\n注释 = 图\r\nk=v\r\n", "s", "k", "图",
                   "[s]\r\n注释 = 图\r\nk=图\r\n"},
        LayoutCase{"Utf8WithMarkKeepsIt", "\xEF\xBB\xBF[s]\r\n注释 = 图\r\nk=v\r\n", "s", "k", "图",
                   "\xEF\xBB\xBF[s]\r\n注释 = 图\r\nk=图\r\n"},
        LayoutCase{"Utf16StaysUtf16", test::utf16leFile(u"; 注释\r\n[中文]\r\nk = 图\r\n"), "中文",
                   "k", "风景", test::utf16leFile(u"; 注释\r\n[中文]\r\nk=风景\r\n")},
        LayoutCase{"Utf16LineWithALoneSurrogateKeepsItsBytes",
                   test::utf16leFile(u"[s]\r\na=\xD800!\r\nk=v\r\n"), "s", "k", "w",
                   test::utf16leFile(u"[s]\r\na=\xD800!\r\nk=w\r\n")}),
    [](const ::testing::TestParamInfo<LayoutCase>& tested) {
        return std::string(tested.param.name);
    });

// A section write replaces the entry lines only: comments and blank lines
// keep their places, and every line but the file's last keeps a line break.
struct SectionLayoutCase {
    const char* name;
    std::string before;
    std::vector<ProfileEntry> entries;
    std::string after;
};

class EmulatedSectionLayout : public ::testing::TestWithParam<SectionLayoutCase> {};

TEST_P(EmulatedSectionLayout, KeepsWhatIsNotAnEntry) {
    TempDir dir;
    const std::string file = dir.file("layout.ini");
    writeBytes(file, GetParam().before);
    EmulatedProfileFiles profiles;
    EXPECT_TRUE(profiles.writeSection(file, "s", GetParam().entries));
    EXPECT_EQ(readBytes(file), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EmulatedSectionLayout,
    ::testing::Values(SectionLayoutCase{"NewEntriesTakeThePlaceOfTheFirst",
                                        "[s]\r\n; c\r\na=1\r\n; d\r\nb=2\r\n[t]\r\nz=3",
                                        {{"a", "1"}, {"n", "2"}, {"m", "3"}},
                                        "[s]\r\n; c\r\na=1\r\nn=2\r\nm=3\r\n; d\r\n[t]\r\nz=3"},
                      SectionLayoutCase{"EntriesOfASectionWithoutAnyFollowItsHeader",
                                        "[s]\r\n; c\r\n[t]\r\n",
                                        {{"k", "v"}},
                                        "[s]\r\nk=v\r\n; c\r\n[t]\r\n"},
                      SectionLayoutCase{"ALastLineWithoutABreakGainsOne",
                                        "[s]\r\na=1",
                                        {{"a", "1"}, {"b", "2"}},
                                        "[s]\r\na=1\r\nb=2\r\n"},
                      SectionLayoutCase{"ALastEntryMovedBeforeACommentKeepsItsLine",
                                        "[s]\r\na=1\r\n; c\r\nb=2",
                                        {{"a", "x"}, {"b", "2"}},
                                        "[s]\r\na=x\r\nb=2\r\n; c\r\n"}),
    [](const ::testing::TestParamInfo<SectionLayoutCase>& tested) {
        return std::string(tested.param.name);
    });

struct ReadCase {
    const char* name;
    std::string bytes;
    const char* section;
    const char* key;
    std::size_t bufferSize;
    std::string expected;
};

class EmulatedRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(EmulatedRead, Gives) {
    TempDir dir;
    const std::string file = dir.file("read.ini");
    writeBytes(file, GetParam().bytes);
    EmulatedProfileFiles profiles;
    EXPECT_EQ(profiles.readString(file, GetParam().section, GetParam().key, "dflt",
                                  GetParam().bufferSize),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EmulatedRead,
    ::testing::Values(
        ReadCase{"ByteOrderMarkIsSkipped", "\xEF\xBB\xBF[s]\r\nk=v\r\n", "s", "k", 2048, "v"},
        ReadCase{"CutKeepsWholeCharacters", "[s]\r\nk=中文\r\n", "s", "k", 6, "中"},
        ReadCase{"CutBeforeAWholeCharacter", "[s]\r\nk=中文\r\n", "s", "k", 4, "中"},
        ReadCase{"CutInsideTheFirstCharacter", "[s]\r\nk=中文\r\n", "s", "k", 3, ""},
        ReadCase{"ExactFit", "[s]\r\nk=中文\r\n", "s", "k", 7, "中文"},
        ReadCase{"UndefinedCodePage936ByteIsMarked", "[s]\r\nk=a\xFF\r\n", "s", "k", 2048,
                 "a\xEF\xBF\xBD"},
        ReadCase{"EuroSignOfCodePage936", "[s]\r\nk=\x80\r\n", "s", "k", 2048, "\xE2\x82\xAC"},
        ReadCase{"ZeroBufferGivesNothing", "[s]\r\nk=v\r\n", "s", "k", 0, ""}),
    [](const ::testing::TestParamInfo<ReadCase>& tested) {
        return std::string(tested.param.name);
    });

struct RefusedWrite {
    const char* name;
    std::string section;
    std::string key;
    std::string value;
    std::string before = "[s]\r\nk=v\r\n";
};

class EmulatedRefusedWrite : public ::testing::TestWithParam<RefusedWrite> {};

TEST_P(EmulatedRefusedWrite, LeavesTheFileAsItWas) {
    TempDir dir;
    const std::string file = dir.file("refused.ini");
    writeBytes(file, GetParam().before);
    EmulatedProfileFiles profiles;
    EXPECT_FALSE(profiles.writeString(file, GetParam().section, GetParam().key, GetParam().value));
    EXPECT_EQ(readBytes(file), GetParam().before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EmulatedRefusedWrite,
    ::testing::Values(RefusedWrite{"LineBreakInValue", "s", "k", "a\r\n[evil]\r\nx=1"},
                      RefusedWrite{"LineBreakInKey", "s", "a\nb", "v"},
                      RefusedWrite{"LineBreakInSection", "s\rt", "k", "v"},
                      RefusedWrite{"EmptyKey", "s", "", "v"},
                      RefusedWrite{"BlankSection", " ", "k", "v"},
                      RefusedWrite{"BinaryFile", "s", "k", "w", "[s]\r\nk=v\r\n\0\x01\x02"s},
                      RefusedWrite{"Utf16WithAnOddByte", "t", "k", "w",
                                   "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0v\0\xB3"s},
                      RefusedWrite{"CharacterCodePage936Lacks", "s", "k", "😀",
                                   "[s]\r\nk=\xD6\xD0\xCE\xC4\r\n"}),
    [](const ::testing::TestParamInfo<RefusedWrite>& tested) {
        return std::string(tested.param.name);
    });

TEST(EmulatedProfileFiles, ReadOnlyFileRefusesEveryChangeAndIsKept) {
    TempDir dir;
    const std::string file = dir.file("settings.ini");
    const std::string before = "[s]\r\nk=v\r\n";
    writeBytes(file, before);
    ::chmod(file.c_str(), 0444);
    EmulatedProfileFiles profiles;
    EXPECT_FALSE(profiles.writeString(file, "s", "k", "new"));
    EXPECT_FALSE(profiles.writeString(file, "t", "k", "new"));
    EXPECT_FALSE(profiles.deleteKey(file, "s", "k"));
    EXPECT_FALSE(profiles.deleteKey(file, "s", "missing"));
    EXPECT_FALSE(profiles.eraseSection(file, "s"));
    EXPECT_EQ(profiles.readString(file, "s", "k", "", 2048), "v");
    EXPECT_EQ(readBytes(file), before);
}

TEST(EmulatedProfileFiles, UnreadableFileIsNeverOverwritten) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    TempDir dir;
    const std::string file = dir.file("settings.ini");
    const std::string before = "[s]\r\nk=v\r\n";
    writeBytes(file, before);
    ::chmod(file.c_str(), 0200);
    EmulatedProfileFiles profiles;
    EXPECT_EQ(profiles.readString(file, "s", "k", "dflt", 2048), "dflt");
    EXPECT_FALSE(profiles.writeString(file, "s", "j", "w"));
    ::chmod(file.c_str(), 0600);
    EXPECT_EQ(readBytes(file), before);
}

TEST(EmulatedProfileFiles, MissingFolderOrFolderInTheWayRefusesWrites) {
    TempDir dir;
    EmulatedProfileFiles profiles;
    const std::string inMissing = dir.file("missing/settings.ini");
    EXPECT_FALSE(profiles.writeString(inMissing, "s", "k", "v"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
    const std::string folder = dir.file("folder.ini");
    std::filesystem::create_directory(folder);
    EXPECT_EQ(profiles.readString(folder, "s", "k", "dflt", 2048), "dflt");
    EXPECT_EQ(profiles.readSections(folder), std::vector<std::string>());
    EXPECT_FALSE(profiles.writeString(folder, "s", "k", "v"));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(EmulatedProfileFiles, LeavesNoTemporaryFilesBehind) {
    TempDir dir;
    const std::string file = dir.file("settings.ini");
    EmulatedProfileFiles profiles;
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(
            profiles.writeString(file, "s", "k" + std::to_string(i % 5), std::to_string(i)));
    }
    ASSERT_TRUE(profiles.deleteKey(file, "s", "k1"));
    ASSERT_TRUE(profiles.eraseSection(file, "s"));
    ::chmod(file.c_str(), 0444);
    EXPECT_FALSE(profiles.writeString(file, "s", "k", "refused"));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    EXPECT_EQ(names, std::vector<std::string>{"settings.ini"});
}

/// Runs body in a child process and gives its exit status (0 when body returned true).
template <typename Body>
int inChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body() ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    return status;
}

TEST(EmulatedProfileFiles, TwoProcessesWritingAtOnceLoseNothing) {
    TempDir dir;
    const std::string file = dir.file("shared.ini");
    constexpr int kEach = 150;
    auto writeKeys = [&file](const std::string& prefix) {
        EmulatedProfileFiles profiles; // each process has its own, as two instances do
        bool ok = true;
        for (int i = 0; i < kEach; ++i) {
            ok = profiles.writeString(file, "list", prefix + std::to_string(i), "") && ok;
        }
        return ok;
    };
    // Both children start together and hold no lock when they are forked.
    const pid_t first = ::fork();
    if (first == 0) {
        ::_exit(writeKeys("a") ? 0 : 1);
    }
    const pid_t second = ::fork();
    if (second == 0) {
        ::_exit(writeKeys("b") ? 0 : 1);
    }
    int status = -1;
    ASSERT_EQ(::waitpid(first, &status, 0), first);
    EXPECT_EQ(status, 0);
    ASSERT_EQ(::waitpid(second, &status, 0), second);
    EXPECT_EQ(status, 0);
    EmulatedProfileFiles profiles;
    const auto keys = profiles.readKeys(file, "list");
    EXPECT_EQ(keys.size(), 2u * kEach);
    for (int i = 0; i < kEach; ++i) {
        for (const char* prefix : {"a", "b"}) {
            const std::string key = prefix + std::to_string(i);
            EXPECT_EQ(std::count(keys.begin(), keys.end(), key), 1) << key;
        }
    }
}

TEST(EmulatedProfileFiles, WriteByAnotherProcessIsSeenAtTheNextRead) {
    TempDir dir;
    const std::string file = dir.file("settings.ini");
    EmulatedProfileFiles profiles;
    ASSERT_TRUE(profiles.writeString(file, "s", "k", "mine"));
    ASSERT_EQ(profiles.readString(file, "s", "k", "", 2048), "mine");
    const int status = inChild([&file] {
        EmulatedProfileFiles other;
        return other.writeString(file, "s", "k", "theirs") && other.eraseSection(file, "gone");
    });
    ASSERT_EQ(status, 0);
    EXPECT_EQ(profiles.readString(file, "s", "k", "", 2048), "theirs");
    ASSERT_EQ(inChild([&file] { return EmulatedProfileFiles().writeString(file, "t", "x", ""); }),
              0);
    EXPECT_EQ(profiles.readSections(file), (std::vector<std::string>{"s", "t"}));
}

TEST(EmulatedProfileFiles, InPlaceRewriteOfTheSameSizeIsSeen) {
    TempDir dir;
    const std::string file = dir.file("settings.ini");
    writeBytes(file, "[s]\r\nk=1\r\n");
    EmulatedProfileFiles profiles;
    for (char digit = '2'; digit <= '9'; ++digit) {
        // An editor that rewrites the file in place keeps its inode and size,
        // and may keep its modification time when it is quick enough.
        std::fstream inPlace(file, std::ios::in | std::ios::out | std::ios::binary);
        inPlace.seekp(7);
        inPlace.put(digit);
        inPlace.close();
        EXPECT_EQ(profiles.readString(file, "s", "k", "", 2048), std::string(1, digit));
    }
}

TEST(EmulatedProfileFiles, DeletedFileReadsAsMissing) {
    TempDir dir;
    const std::string file = dir.file("settings.ini");
    EmulatedProfileFiles profiles;
    ASSERT_TRUE(profiles.writeString(file, "s", "k", "v"));
    ASSERT_EQ(profiles.readKeys(file, "s"), std::vector<std::string>{"k"});
    std::filesystem::remove(file);
    EXPECT_EQ(profiles.readString(file, "s", "k", "dflt", 2048), "dflt");
    EXPECT_TRUE(profiles.readKeys(file, "s").empty());
}

} // namespace
} // namespace tovra::platform::emulated
