#include "tests/platform/ProfileConformance.h"

#include <fstream>
#include <iterator>
#include <utility>

namespace tovra::test {

namespace {

using namespace std::string_literals;
using Call = ProfileStep::Call;
using Names = std::vector<std::string>;

ProfileStep readString(std::string section, std::string key, std::string defaultValue,
                       std::string expected, std::size_t bufferSize = 2048) {
    ProfileStep step;
    step.call = Call::ReadString;
    step.section = std::move(section);
    step.key = std::move(key);
    step.text = std::move(defaultValue);
    step.bufferSize = bufferSize;
    step.expectedText = std::move(expected);
    return step;
}

ProfileStep readKeys(std::string section, Names expected) {
    ProfileStep step;
    step.call = Call::ReadKeys;
    step.section = std::move(section);
    step.expectedList = std::move(expected);
    return step;
}

ProfileStep readSections(Names expected) {
    ProfileStep step;
    step.call = Call::ReadSections;
    step.expectedList = std::move(expected);
    return step;
}

ProfileStep write(std::string section, std::string key, std::string value, bool ok = true) {
    ProfileStep step;
    step.call = Call::WriteString;
    step.section = std::move(section);
    step.key = std::move(key);
    step.text = std::move(value);
    step.expectedResult = ok;
    return step;
}

ProfileStep removeKey(std::string section, std::string key, bool ok = true) {
    ProfileStep step;
    step.call = Call::DeleteKey;
    step.section = std::move(section);
    step.key = std::move(key);
    step.expectedResult = ok;
    return step;
}

ProfileStep erase(std::string section, bool ok = true) {
    ProfileStep step;
    step.call = Call::EraseSection;
    step.section = std::move(section);
    step.expectedResult = ok;
    return step;
}

ProfileStep writeSection(std::string section, std::vector<platform::ProfileEntry> entries,
                         bool ok = true) {
    ProfileStep step;
    step.call = Call::WriteSection;
    step.section = std::move(section);
    step.entries = std::move(entries);
    step.expectedResult = ok;
    return step;
}

/// The step, with the list that system gives instead of Windows' one.
ProfileStep differsOn(ProfileStep step, System system, Names list) {
    ProfileStep variant = step;
    variant.expectedList = std::move(list);
    step.variants.emplace_back(system, std::move(variant));
    return step;
}

/// The step, with what that system answers instead of Windows.
ProfileStep differsOn(ProfileStep step, System system, ProfileStep variant) {
    step.variants.emplace_back(system, std::move(variant));
    return step;
}

// Files shared by several cases.
const std::string kBuiltUp = "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n"
                             "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n";
const std::string kDuplicateSections = "[a]\r\nx=1\r\n[b]\r\ny=2\r\n[A]\r\nx=3\r\nz=4\r\n";
const std::string kWithoutEquals = "[s]\r\nname1=val1\r\nname2=\r\nname3\r\nname4=val4\r\n";

std::vector<ProfileCase> creationCases() {
    return {
        {.name = "MissingFileReadsDefaults",
         .steps = {readString("s", "k", "dflt", "dflt"), readKeys("s", {}), readSections({})},
         .expectNoFile = true},
        {.name = "DeletingInMissingFileCreatesNothing",
         .steps = {removeKey("s", "k"), erase("s"), readSections({})},
         .expectNoFile = true},
        {.name = "FirstWriteCreatesTheFile",
         .steps = {write("App", "key", "string"), readString("App", "key", "", "string")},
         .expectedBytes = "[App]\r\nkey=string\r\n"},
        {.name = "EmptyValueIsWrittenAsKeyEquals",
         .steps = {write("App", "key", ""), readString("App", "key", "dflt", ""),
                   readKeys("App", {"key"})},
         .expectedBytes = "[App]\r\nkey=\r\n"},
        {.name = "SectionsAndKeysAreAppendedInOrder",
         .steps = {write("App1", "key1", "string1"), write("App1", "key2", "string2"),
                   write("App1", "key3", "string3"), write("App2", "key4", "string4"),
                   write("App3", "key5", "string5"), readSections({"App1", "App2", "App3"}),
                   readKeys("App1", {"key1", "key2", "key3"})},
         .expectedBytes = kBuiltUp},
        {.name = "EmptyFileIsAFileWithoutSections",
         .initialBytes = "",
         .steps = {readSections({}), write("s", "k", "v")},
         .expectedBytes = "[s]\r\nk=v\r\n"},
        {.name = "UnwritableFolderRefusesWritesOnly",
         .steps = {write("s", "k", "v", false), readString("s", "k", "dflt", "dflt"),
                   removeKey("s", "k"), erase("s")},
         .expectNoFile = true,
         .inUnwritableFolder = true},
    };
}

std::vector<ProfileCase> changeCases() {
    return {
        {.name = "DeleteRemovesTheKeysLine",
         .initialBytes = kBuiltUp,
         .steps = {removeKey("App1", "key2"), readString("App1", "key2", "gone", "gone"),
                   removeKey("App1", "key2")},
         .expectedBytes = "[App1]\r\nkey1=string1\r\nkey3=string3\r\n"
                          "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n"},
        {.name = "EraseRemovesTheSectionWithItsKeys",
         .initialBytes = kBuiltUp,
         .steps = {erase("App1"), readSections({"App2", "App3"}),
                   readString("App1", "key1", "gone", "gone"), readKeys("App1", {})},
         .expectedBytes = "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n"},
        {.name = "DeletingTheLastKeyLeavesTheHeader",
         .initialBytes = "[App3]\r\nkey5=string5\r\n",
         .steps = {removeKey("App3", "key5"), readSections({"App3"}), readKeys("App3", {})},
         .expectedBytes = "[App3]\r\n"},
        {.name = "RewrittenKeyKeepsItsPlace",
         .initialBytes = "[a]\r\nx=1\r\ny=2\r\n",
         .steps = {write("a", "x", "9"), readKeys("a", {"x", "y"})},
         .expectedBytes = "[a]\r\nx=9\r\ny=2\r\n"},
        {.name = "NewKeyFollowsTheLastKeyOfItsSection",
         .initialBytes = "[a]\r\nx=1\r\n[b]\r\nz=3\r\n",
         .steps = {write("a", "y", "2")},
         .expectedBytes = "[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n"},
        {.name = "NewSectionGoesAtTheEnd",
         .initialBytes = "[a]\r\nx=1\r\n",
         .steps = {write("b", "y", "2"), readSections({"a", "b"})},
         .expectedBytes = "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {.name = "KeyInAnEmptySectionFollowsItsHeader",
         .initialBytes = "[s]\r\n[t]\r\nk=v\r\n",
         .steps = {readKeys("s", {}), write("s", "a", "1")},
         .expectedBytes = "[s]\r\na=1\r\n[t]\r\nk=v\r\n"},
        {.name = "LastLineWithoutBreakGainsOne",
         .initialBytes = "[s]\r\nk=v",
         .steps = {readString("s", "k", "", "v"), write("s", "j", "w")},
         .expectedBytes = "[s]\r\nk=v\r\nj=w\r\n"},
        {.name = "MissingKeysAndSectionsChangeNothing",
         .initialBytes = "[s]\r\nk=v\r\n",
         .steps = {removeKey("s", "x"), removeKey("t", "k"), erase("t")},
         .expectedBytes = "[s]\r\nk=v\r\n"},
        {.name = "RewritingAKeyNeverDuplicatesIt",
         .steps = {write("s", "k", "v"), write("S", "K", "v"), write("s", "k", "v")},
         .expectedBytes = "[s]\r\nk=v\r\n"},
        // Windows would write these as they stand: a line break starts a line
        // of its own (a new section, say), and a key without a section lands
        // above the first one. Every backend refuses them, file untouched.
        {.name = "WritesTheFormatCannotHoldAreRefused",
         .initialBytes = "[s]\r\nk=v\r\n",
         .steps = {write("s", "k", "a\r\n[evil]\r\nx=1", false), write("s", "a\nb", "v", false),
                   write("s\rt", "k", "v", false), write("s", "", "v", false),
                   write(" ", "k", "v", false), write("", "k", "v", false)},
         .expectedBytes = "[s]\r\nk=v\r\n"},
    };
}

std::vector<ProfileCase> nameCases() {
    return {
        {.name = "SectionAndKeyNamesIgnoreCase",
         .initialBytes = "[Section1]\r\nName1=val1\r\n",
         .steps = {readString("SECTION1", "nAmE1", "", "val1"), readKeys("section1", {"Name1"})}},
        {.name = "WriteIgnoresCaseAndKeepsTheFilesSpelling",
         .initialBytes = "[Section1]\r\nName1=val1\r\n",
         .steps = {write("section1", "NAME1", "new"), readSections({"Section1"})},
         .expectedBytes = "[Section1]\r\nName1=new\r\n"},
        {.name = "DeleteAndEraseIgnoreCase",
         .initialBytes = "[Section1]\r\nName1=v\r\nOther=w\r\n[S2]\r\nk=v\r\n",
         .steps = {removeKey("SECTION1", "name1"), erase("s2")},
         .expectedBytes = "[Section1]\r\nOther=w\r\n"},
        {.name = "KeyListKeepsFileOrderWithoutCommentsOrBlanks",
         .initialBytes = "[s]\r\n; note\r\nb=1\r\n\r\na=2\r\n",
         .steps = {readKeys("s", {"b", "a"})}},
        {.name = "LinesWithoutEqualsAreNoListedKeys",
         .initialBytes = kWithoutEquals,
         .steps = {readKeys("s", {"name1", "name2", "name4"}),
                   readString("s", "name3", "dflt", "dflt"), readString("s", "name2", "dflt", "")}},
        {.name = "WritingAKeyWithoutEqualsFillsItsLine",
         .initialBytes = kWithoutEquals,
         .steps = {write("s", "name3", "v"), readString("s", "name3", "", "v")},
         .expectedBytes = "[s]\r\nname1=val1\r\nname2=\r\nname3=v\r\nname4=val4\r\n"},
        {.name = "SectionNamesAreTrimmed",
         .initialBytes = "[ section1 ]\r\nk=v\r\n[section2]\r\n",
         .steps = {readSections({"section1", "section2"}), readString("section1", "k", "", "v")}},
        {.name = "BlanksAroundEqualsAreTrimmed",
         .initialBytes = "[s]\r\n  key \t=  value  \r\n",
         .steps = {readString("s", "key", "", "value"), readKeys("s", {"key"})}},
        {.name = "AskedNamesAreTrimmed",
         .initialBytes = "[s]\r\nkey=value\r\n",
         .steps = {readString(" s ", " key ", "", "value")}},
        {.name = "KeyEndsAtTheFirstEquals",
         .steps = {write("s", "D:\\a=b.jpg", ""), readKeys("s", {"D:\\a"}),
                   readString("s", "D:\\a", "dflt", "b.jpg=")},
         .expectedBytes = "[s]\r\nD:\\a=b.jpg=\r\n"},
        {.name = "ValueMayHoldEquals",
         .initialBytes = "[s]\r\nk=a=b\r\n",
         .steps = {readString("s", "k", "", "a=b")}},
        {.name = "CommentLinesAreNoKeys",
         .initialBytes = "[s]\r\n;k=1\r\nk=2\r\n",
         .steps = {readString("s", "k", "", "2"), readKeys("s", {"k"})}},
        {.name = "TextBeforeTheFirstSectionBelongsToNone",
         .initialBytes = "junk=1\r\n[s]\r\nk=v\r\n",
         .steps = {readSections({"s"}), readString("s", "junk", "dflt", "dflt"),
                   readKeys("s", {"k"})}},
        {.name = "BracketLineWithoutCloseIsNoSection",
         .initialBytes = "[s]\r\n[broken\r\nk=v\r\n",
         .steps = {readSections({"s"}), readKeys("s", {"k"}), readString("s", "k", "", "v")}},
        {.name = "TextAfterTheClosingBracketIsIgnored",
         .initialBytes = "[s] ; note\r\nk=v\r\n",
         .steps = {readSections({"s"}), readString("s", "k", "", "v")}},
        // A key list is names each ended by a zero, the list by an empty
        // name; a key with an empty name therefore ends it, as on Wine. The
        // emulated Windows leaves such a key out and lists the rest.
        {.name = "EmptyKeyNameEndsTheKeyList",
         .initialBytes = "[s]\r\na=1\r\n=2\r\nb=3\r\n",
         .steps = {differsOn(readKeys("s", {"a"}), System::Emulated, {"a", "b"}),
                   readString("s", "b", "", "3")}},
    };
}

std::vector<ProfileCase> sectionWriteCases() {
    return {
        {.name = "SectionWriteReplacesTheKeys",
         .initialBytes = "[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n",
         .steps = {writeSection("a", {{"y", "5"}, {"w", ""}}), readKeys("a", {"y", "w"}),
                   readString("a", "x", "gone", "gone")},
         .expectedBytes = "[a]\r\ny=5\r\nw=\r\n[b]\r\nz=3\r\n"},
        {.name = "SectionWriteEndsAsSingleWritesWould",
         .initialBytes = "[a]\r\nx=1\r\n[b]\r\nz=3\r\n",
         .steps = {writeSection("A", {{"x", "1"}, {"y", "2"}})},
         .expectedBytes = "[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n"},
        {.name = "SectionWriteAddsAMissingSectionAtTheEnd",
         .initialBytes = "[a]\r\nx=1\r\n",
         .steps = {writeSection("s", {{"k", "v"}, {"j", ""}}), readSections({"a", "s"})},
         .expectedBytes = "[a]\r\nx=1\r\n[s]\r\nk=v\r\nj=\r\n"},
        {.name = "SectionWriteOfNoEntriesEmptiesTheSection",
         .initialBytes = "[a]\r\nx=1\r\n[b]\r\nz=3\r\n",
         .steps = {writeSection("a", {}), readKeys("a", {}), readSections({"a", "b"})},
         .expectedBytes = "[a]\r\n[b]\r\nz=3\r\n"},
        {.name = "SectionWritesTheFormatCannotHoldAreRefused",
         .initialBytes = "[s]\r\nk=v\r\n",
         .steps = {writeSection("s", {{"a\nb", "v"}}, false),
                   writeSection("s", {{"k", "a\r\n[evil]"}}, false),
                   writeSection("", {{"k", "v"}}, false), writeSection("s", {{" ", "v"}}, false)},
         .expectedBytes = "[s]\r\nk=v\r\n"},
        {.name = "SectionWriteInAnUnwritableFolderIsRefused",
         .steps = {writeSection("s", {{"k", "v"}}, false)},
         .expectNoFile = true,
         .inUnwritableFolder = true},
    };
}

std::vector<ProfileCase> valueCases() {
    return {
        {.name = "DoubleQuotesAreStripped",
         .initialBytes = "[s]\r\nk=\"val2\"\r\n",
         .steps = {readString("s", "k", "", "val2")}},
        {.name = "SingleQuotesAreStripped",
         .initialBytes = "[s]\r\nk='val'\r\n",
         .steps = {readString("s", "k", "", "val")}},
        {.name = "UnbalancedQuotesAreKept",
         .initialBytes = "[s]\r\na=\"abc\r\nb='abc\"\r\nc=\"\r\n",
         .steps = {readString("s", "a", "", "\"abc"), readString("s", "b", "", "'abc\""),
                   readString("s", "c", "", "\"")}},
        {.name = "EmptyQuotesGiveAnEmptyValue",
         .initialBytes = "[s]\r\nk=\"\"\r\n",
         .steps = {readString("s", "k", "dflt", "")}},
        {.name = "BlanksInsideQuotesAreKept",
         .initialBytes = "[s]\r\nk=\" a b \"\r\n",
         .steps = {readString("s", "k", "", " a b ")}},
        {.name = "InnerQuotesAreKept",
         .initialBytes = "[s]\r\nk=a\"b\"\r\n",
         .steps = {readString("s", "k", "", "a\"b\"")}},
        {.name = "ReadIsCutToTheBuffer",
         .initialBytes = "[s]\r\nname1=val1\r\n",
         .steps = {readString("s", "name1", "", "val", 4), readString("s", "name1", "", "val1", 5),
                   readString("s", "name1", "", "", 1),
                   readString("s", "missing", "default", "def", 4)}},
        {.name = "DefaultLosesItsTrailingBlanks",
         .steps = {readString("s", "k", "default  ", "default"),
                   readString("s", "k", "one two  ", "one two"),
                   readString("s", "k", "  x   ", "  x")}},
    };
}

std::vector<ProfileCase> duplicateCases() {
    return {
        {.name = "DuplicateSectionReadsSeeTheFirst",
         .initialBytes = kDuplicateSections,
         .steps = {readString("a", "x", "", "1"), readString("a", "z", "dflt", "dflt")}},
        {.name = "DuplicateSectionIsListedEachTime",
         .initialBytes = kDuplicateSections,
         .steps = {readSections({"a", "b", "A"})}},
        {.name = "DuplicateSectionKeyListIsTheFirsts",
         .initialBytes = kDuplicateSections,
         .steps = {readKeys("a", {"x"})}},
        {.name = "DuplicateSectionWritesGoToTheFirst",
         .initialBytes = kDuplicateSections,
         .steps = {write("a", "z", "5"), write("A", "x", "7")},
         .expectedBytes = "[a]\r\nx=7\r\nz=5\r\n[b]\r\ny=2\r\n[A]\r\nx=3\r\nz=4\r\n"},
        {.name = "DuplicateSectionEraseRemovesTheFirst",
         .initialBytes = kDuplicateSections,
         .steps = {erase("a"), readString("a", "x", "", "3"), readSections({"b", "A"})},
         .expectedBytes = "[b]\r\ny=2\r\n[A]\r\nx=3\r\nz=4\r\n"},
        {.name = "DuplicateSectionDeleteFindsTheKeyInALaterOne",
         .initialBytes = kDuplicateSections,
         .steps = {removeKey("a", "z")},
         .expectedBytes = "[a]\r\nx=1\r\n[b]\r\ny=2\r\n[A]\r\nx=3\r\n"},
        {.name = "DuplicateKeyReadsTheFirstAndListsBoth",
         .initialBytes = "[s]\r\nk=1\r\nK=2\r\n",
         .steps = {readString("s", "k", "", "1"), readKeys("s", {"k", "K"})}},
        {.name = "DuplicateKeyWriteChangesTheFirst",
         .initialBytes = "[s]\r\nk=1\r\nK=2\r\n",
         .steps = {write("s", "k", "9")},
         .expectedBytes = "[s]\r\nk=9\r\nK=2\r\n"},
        {.name = "DuplicateKeyDeleteUncoversTheSecond",
         .initialBytes = "[s]\r\nk=1\r\nK=2\r\n",
         .steps = {removeKey("s", "k"), readString("s", "k", "", "2")},
         .expectedBytes = "[s]\r\nK=2\r\n"},
    };
}

std::vector<ProfileCase> encodingCases() {
    return {
        {.name = "LfLinesAreRead",
         .initialBytes = "[s]\nk=v\nj=w\n",
         .steps = {readKeys("s", {"k", "j"}), readString("s", "k", "", "v")}},
        {.name = "CrLinesAreRead",
         .initialBytes = "[section1]\rname1=val1\rname2=\"val2\"\rname3\rname4=a\r[section2]\r",
         .steps = {readSections({"section1", "section2"}),
                   readKeys("section1", {"name1", "name2", "name4"}),
                   readString("section1", "name2", "", "val2")}},
        {.name = "CodePage936NamesReadAsUtf8",
         .initialBytes = "[\xD6\xD0\xCE\xC4]\r\nk=\xCD\xBC\xC6\xAC\r\n",
         .steps = {readSections({"中文"}), readString("中文", "k", "", "图片")}},
        {.name = "ChineseNamesRoundTrip",
         .steps = {write("图库", "D:\\图片\\1.jpg", ""), readSections({"图库"}),
                   readKeys("图库", {"D:\\图片\\1.jpg"})}},
        // Windows reads and writes a file saved as "Unicode" in UTF-16LE.
        {.name = "Utf16FileStaysUtf16",
         .initialBytes = utf16leFile(u"[中文]\r\nk=图片\r\n"),
         .steps = {readSections({"中文"}), readString("中文", "k", "", "图片"),
                   write("中文", "j", "风景"), readKeys("中文", {"k", "j"})},
         .expectedBytes = utf16leFile(u"[中文]\r\nk=图片\r\nj=风景\r\n")},
        // The emulated Windows keeps a binary file as it is: no encoding
        // would give back its bytes.
        {.name = "GarbageBytesHoldNoSections",
         .initialBytes = "\x81\x30\xFF\xFF\x00\x80 junk \x7F\x01\x02"s,
         .steps = {readSections({}), readString("s", "k", "dflt", "dflt"),
                   differsOn(write("s", "k", "v"), System::Emulated, write("s", "k", "v", false)),
                   differsOn(readString("s", "k", "", "v"), System::Emulated,
                             readString("s", "k", "", "")),
                   differsOn(readSections({"s"}), System::Emulated, readSections({}))}},
    };
}

std::string describe(const ProfileStep& step) {
    static const char* const names[] = {"readString", "readKeys",     "readSections", "writeString",
                                        "deleteKey",  "eraseSection", "writeSection"};
    return std::string(names[static_cast<int>(step.call)]) + "(" + step.section + ", " + step.key +
           ", " + step.text + ")";
}

void runStep(platform::ProfileFiles& profiles, const std::string& file, const ProfileStep& step) {
    switch (step.call) {
    case Call::ReadString:
        EXPECT_EQ(profiles.readString(file, step.section, step.key, step.text, step.bufferSize),
                  step.expectedText);
        break;
    case Call::ReadKeys:
        EXPECT_EQ(profiles.readKeys(file, step.section), step.expectedList);
        break;
    case Call::ReadSections:
        EXPECT_EQ(profiles.readSections(file), step.expectedList);
        break;
    case Call::WriteString:
        EXPECT_EQ(profiles.writeString(file, step.section, step.key, step.text),
                  step.expectedResult);
        break;
    case Call::DeleteKey:
        EXPECT_EQ(profiles.deleteKey(file, step.section, step.key), step.expectedResult);
        break;
    case Call::EraseSection:
        EXPECT_EQ(profiles.eraseSection(file, step.section), step.expectedResult);
        break;
    case Call::WriteSection:
        EXPECT_EQ(profiles.writeSection(file, step.section, step.entries), step.expectedResult);
        break;
    }
}

} // namespace

std::vector<ConformanceParam> conformanceCases(const ProfileBackend& backend) {
    std::vector<ConformanceParam> params;
    for (auto group : {creationCases(), changeCases(), sectionWriteCases(), nameCases(),
                       valueCases(), duplicateCases(), encodingCases()}) {
        for (auto& profileCase : group) {
            params.push_back({backend, std::move(profileCase)});
        }
    }
    return params;
}

std::string conformanceCaseName(const ::testing::TestParamInfo<ConformanceParam>& tested) {
    return tested.param.backend.name + "_" + tested.param.profileCase.name;
}

void writeRawBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readRawBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string utf16leFile(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string utf8Path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

TEST_P(ProfileConformance, Case) {
    const ProfileBackend& backend = GetParam().backend;
    const ProfileCase& profileCase = GetParam().profileCase;
    const auto scratch = backend.scratch();
    const auto folder =
        profileCase.inUnwritableFolder ? scratch->unwritableFolder() : scratch->path();
    const auto file = folder / "profile.ini";
    if (profileCase.initialBytes) {
        writeRawBytes(file, *profileCase.initialBytes);
        ASSERT_EQ(readRawBytes(file), *profileCase.initialBytes);
    }
    const auto profiles = backend.create();
    for (std::size_t i = 0; i < profileCase.steps.size(); ++i) {
        const ProfileStep step = onSystem(profileCase.steps[i], backend.system);
        SCOPED_TRACE("step " + std::to_string(i + 1) + ": " + describe(step) + " (as on " +
                     systemName(backend.system) + ")");
        runStep(*profiles, utf8Path(file), step);
    }
    if (profileCase.expectNoFile) {
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    if (profileCase.expectedBytes) {
        EXPECT_EQ(readRawBytes(file), *profileCase.expectedBytes);
    }
}

} // namespace tovra::test
