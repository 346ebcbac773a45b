// The registry editor's file format: what the emulated registry writes, and
// what it accepts from a person or from Windows.

#include "platform/emulated/RegFile.h"

#include "platform/emulated/Utf16.h"
#include "tests/platform/RegistryConformance.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace tovra::platform::emulated {
namespace {

using ::testing::HasSubstr;

RegValue bytesOf(std::uint32_t type, std::string_view bytes) {
    return RegValue{type, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

RegValue counting(std::size_t size) {
    RegValue value{kRegBinary, {}};
    for (std::size_t i = 0; i < size; ++i) {
        value.data.push_back(static_cast<std::uint8_t>(i));
    }
    return value;
}

RegKeyNode& key(RegTree& tree, RegRoot root, std::string_view path) {
    RegKeyNode* node = &tree.root(root);
    for (const std::string& name : splitKeyPath(path)) {
        node = &node->subkeyOrCreate(name);
    }
    return *node;
}

const RegValue* valueAt(const RegTree& tree, RegRoot root, std::string_view path,
                        std::string_view name) {
    const RegKeyNode* node = tree.root(root).find(splitKeyPath(path));
    return node == nullptr ? nullptr : node->value(name);
}

/// A tree with every kind of value and name the format must carry.
RegTree richTree() {
    RegTree tree;
    RegKeyNode& texts = key(tree, RegRoot::CurrentUser, "Software\\Tovra\\Texts");
    texts.setValue("", RegValue::text("the default"));
    texts.setValue("quotes \"and\" \\slashes\\", RegValue::text("C:\\a \"b\" c\\"));
    texts.setValue("empty", RegValue::text(""));
    texts.setValue("中文名", RegValue::text("D:\\图片\\风景 😀.jpg"));
    texts.setValue("crlf", RegValue::text("one\r\ntwo"));
    texts.setValue("lone cr", RegValue::text("one\rtwo"));
    texts.setValue("zero inside", bytesOf(kRegSz, std::string_view("a\0b", 3)));
    texts.setValue("expand", RegValue::text("%SystemRoot%\\壁纸", kRegExpandSz));
    texts.setValue("expand empty", RegValue::text("", kRegExpandSz));
    texts.setValue("multi", bytesOf(kRegMultiSz, std::string_view("一\0two\0\0", 9)));
    RegKeyNode& numbers = key(tree, RegRoot::CurrentUser, "Software\\Tovra\\Numbers");
    numbers.setValue("dword", RegValue::dword(0xDEADBEEF));
    numbers.setValue("short dword", bytesOf(kRegDword, "\x01\x02"));
    numbers.setValue("qword", bytesOf(kRegQword, std::string_view("\1\0\0\0\0\0\0\x80", 8)));
    numbers.setValue("none", RegValue{kRegNone, {}});
    numbers.setValue("odd type", bytesOf(0x4000, "xyz"));
    numbers.setValue("long binary", counting(1000));
    numbers.setValue("empty binary", RegValue{kRegBinary, {}});
    key(tree, RegRoot::CurrentUser, "Software\\Empty\\Deeper\\Still");
    key(tree, RegRoot::LocalMachine, "SOFTWARE\\有 空格 ] 的键");
    tree.root(RegRoot::LocalMachine).setValue("at the root", RegValue::dword(1));
    key(tree, RegRoot::ClassesRoot, "CLSID\\{645FF040-5081-101B-9F08-00AA002F954E}\\DefaultIcon")
        .setValue("", RegValue::text("shell32.dll,31"));
    return tree;
}

TEST(RegFile, SerialisedTreeParsesBackToTheSameTree) {
    const RegTree tree = richTree();
    const std::string text = serialiseRegFile(tree);
    const RegTree back = parseRegFile(text);
    EXPECT_TRUE(back == tree) << text;
    EXPECT_EQ(serialiseRegFile(back), text);
}

TEST(RegFile, SmallTreeIsWrittenExactlyAsTheRegistryEditorWritesIt) {
    RegTree tree;
    RegKeyNode& a = key(tree, RegRoot::CurrentUser, "A");
    a.setValue("", RegValue::text("d"));
    a.setValue("q", RegValue::text("a\"b\\c"));
    a.setValue("n", RegValue::dword(42));
    a.setValue("long", counting(30));
    key(tree, RegRoot::CurrentUser, "A\\b").setValue("lines", RegValue::text("x\ny"));
    tree.root(RegRoot::LocalMachine).setValue("rootval", RegValue::text("%P%", kRegExpandSz));
    RegKeyNode& z = key(tree, RegRoot::LocalMachine, "Z");
    z.setValue("bin", RegValue{kRegBinary, {0x00, 0xFF}});
    z.setValue("m", bytesOf(kRegMultiSz, std::string_view("a\0\0", 3)));
    z.setValue("q", bytesOf(kRegQword, std::string_view("\1\0\0\0\0\0\0\0", 8)));
    z.setValue("none", RegValue{kRegNone, {}});
    z.setValue("odd", bytesOf(kRegDword, "\x01\x02"));

    EXPECT_EQ(
        serialiseRegFile(tree),
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\A]\r\n"
        "@=\"d\"\r\n"
        "\"q\"=\"a\\\"b\\\\c\"\r\n"
        "\"n\"=dword:0000002a\r\n"
        "\"long\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\r\n"
        "  16,17,18,19,1a,1b,1c,1d\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\A\\b]\r\n"
        "\"lines\"=hex(1):78,00,0a,00,79,00,00,00\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE]\r\n"
        "\"rootval\"=hex(2):25,00,50,00,25,00,00,00\r\n"
        "\r\n"
        "[HKEY_LOCAL_MACHINE\\Z]\r\n"
        "\"bin\"=hex:00,ff\r\n"
        "\"m\"=hex(7):61,00,00,00,00,00\r\n"
        "\"q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
        "\"none\"=hex(0):\r\n"
        "\"odd\"=hex(4):01,02\r\n"
        "\r\n");
}

TEST(RegFile, EmptyTreeIsTheHeaderAlone) {
    EXPECT_EQ(serialiseRegFile(RegTree{}), "Windows Registry Editor Version 5.00\r\n\r\n");
    EXPECT_TRUE(parseRegFile("Windows Registry Editor Version 5.00\r\n\r\n") == RegTree{});
}

TEST(RegFile, HexListsWrapAtEightyColumnsAndReadBack) {
    const std::string names[] = {"", "n", "a name of some length", std::string(70, 'w')};
    const std::size_t sizes[] = {1, 2, 22, 23, 24, 25, 26, 27, 100, 1000};
    for (const std::string& name : names) {
        for (const std::size_t size : sizes) {
            SCOPED_TRACE("name of " + std::to_string(name.size()) + ", " + std::to_string(size) +
                         " bytes");
            RegTree tree;
            key(tree, RegRoot::CurrentUser, "K").setValue(name, counting(size));
            const std::string text = serialiseRegFile(tree);
            std::istringstream lines(text);
            std::string line;
            bool continued = false;
            while (std::getline(lines, line)) {
                ASSERT_TRUE(line.ends_with('\r'));
                line.pop_back();
                EXPECT_LE(line.size(), 80u + name.size()) << line;
                if (continued) {
                    EXPECT_TRUE(line.starts_with("  ")) << line;
                    EXPECT_LE(line.size(), 80u) << line;
                }
                continued = line.ends_with(",\\");
            }
            EXPECT_TRUE(parseRegFile(text) == tree);
        }
    }
}

TEST(RegFile, HandWrittenSampleReadsRight) {
    const std::string sample = "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n"
                               "\r\n"
                               "; written by hand\r\n"
                               "[hkey_current_user\\Software\\Sample]\n"
                               "  \"Text\" = \"C:\\\\Temp\\\\\\\"x\\\"\"\r\n"
                               "@=\"default\"\r\n"
                               "\"Number\"=DWORD:0000ABCD\r\n"
                               "\r\n"
                               "\r\n"
                               "\"Wrapped\"=hex:00,01,02,\\\r\n"
                               "  AB,cd,\\\n"
                               "\tEF\r\n"
                               ";\"Commented\"=dword:00000001\r\n"
                               "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n"
                               "\"Multi\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
                               "\"Short\"=dword:7\r\n"
                               "[HKEY_CURRENT_USER\\SOFTWARE\\sample]\r\n"
                               "\"text\"=\"second section wins\"\r\n"
                               "\"Later\"=hex(1):2d,4e,87,65,00,00\r\n"
                               "[HKEY_LOCAL_MACHINE]\r\n"
                               "\"AtRoot\"=\"yes\"\r\n";
    const RegTree tree = parseRegFile(sample);
    const RegKeyNode* sampleKey =
        tree.root(RegRoot::CurrentUser).find(splitKeyPath("software\\SAMPLE"));
    ASSERT_NE(sampleKey, nullptr);
    EXPECT_EQ(sampleKey->name(), "Sample");
    std::vector<std::string> names;
    for (const NamedValue& value : sampleKey->values()) {
        names.push_back(value.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Text", "", "Number", "Wrapped", "Expand", "Multi",
                                               "Short", "Later"}));
    EXPECT_EQ(*sampleKey->value("text"), RegValue::text("second section wins"));
    EXPECT_EQ(*sampleKey->value(""), RegValue::text("default"));
    EXPECT_EQ(*sampleKey->value("number"), RegValue::dword(0xABCD));
    EXPECT_EQ(*sampleKey->value("wrapped"),
              (RegValue{kRegBinary, {0x00, 0x01, 0x02, 0xAB, 0xCD, 0xEF}}));
    EXPECT_EQ(*sampleKey->value("expand"), RegValue::text("%A%", kRegExpandSz));
    EXPECT_EQ(*sampleKey->value("multi"), bytesOf(kRegMultiSz, std::string_view("a\0b\0\0", 5)));
    EXPECT_EQ(*sampleKey->value("short"), RegValue::dword(7));
    EXPECT_EQ(*sampleKey->value("later"), RegValue::text("中文"));
    EXPECT_EQ(sampleKey->value("commented"), nullptr);
    ASSERT_NE(valueAt(tree, RegRoot::LocalMachine, "", "atroot"), nullptr);
    EXPECT_EQ(valueAt(tree, RegRoot::LocalMachine, "", "atroot")->asText(), "yes");
}

TEST(RegFile, Regedit4HoldsTextTypesAsSingleBytes) {
    const RegTree tree = parseRegFile("REGEDIT4\n\n[HKEY_CLASSES_ROOT\\x]\n"
                                      "\"e\"=hex(2):25,50,25,00\n\"s\"=hex(1):61,62\n");
    EXPECT_EQ(*valueAt(tree, RegRoot::ClassesRoot, "x", "e"), RegValue::text("%P%", kRegExpandSz));
    EXPECT_EQ(*valueAt(tree, RegRoot::ClassesRoot, "x", "s"), RegValue::text("ab"));
}

TEST(RegFile, Utf16FileAsWindowsExportsItReadsLikeItsUtf8Text) {
    const std::string text = serialiseRegFile(richTree());
    const auto wide = utf8ToUtf16le(text);
    std::string bytes = "\xFF\xFE";
    bytes.append(wide.begin(), wide.end());
    EXPECT_TRUE(parseRegFile(bytes) == richTree());
}

TEST(RegFile, BlankTextIsAnEmptyRegistry) {
    for (const char* blank : {"", "\r\n", "  \n\t\n", "\xEF\xBB\xBF"}) {
        SCOPED_TRACE(::testing::PrintToString(blank));
        EXPECT_TRUE(parseRegFile(blank) == RegTree{});
    }
}

struct BadText {
    std::string text;
    std::size_t line;
    const char* reason;
};

TEST(RegFile, AnythingElseIsAnErrorWithItsLine) {
    const std::string h = "Windows Registry Editor Version 5.00\n\n";
    const std::string k = h + "[HKEY_CURRENT_USER\\k]\n";
    const BadText cases[] = {
        {"REGEDIT5\n", 1, "first line"},
        {"\n" + h, 1, "first line"},
        {h + "\"v\"=\"x\"\n", 3, "before the first [key]"},
        {h + "[HKEY_CURRENT_USER\\k] trailing\n", 3, "must end with ']'"},
        {h + "[HKCU\\k]\n", 3, "unknown root key \"HKCU\""},
        {h + "[-HKEY_CURRENT_USER\\k]\n", 3, "unknown root key"},
        {k + "v=\"x\"\n", 4, "expected a [key] line"},
        {k + "\"v\" \"x\"\n", 4, "expected '='"},
        {k + "@\n", 4, "expected '='"},
        {k + "\"v\"=\"x\" junk\n", 4, "after the value"},
        {k + "\"v\"=\"x\n", 4, "closing"},
        {k + "\"v\"=\"a\\tb\"\n", 4, "backslash"},
        {k + "\"v\"=dword:\n", 4, "1 to 8 hex digits"},
        {k + "\"v\"=dword:-1\n", 4, "1 to 8 hex digits"},
        {k + "\"v\"=qword:1\n", 4, "quoted text, dword: or hex:"},
        {k + "\"v\"=hex(2:00\n", 4, "hex("},
        {k + "\"v\"=hex(zz):00\n", 4, "hex("},
        {k + "\"v\"=hex(123456789):00\n", 4, "hex("},
        {k + "\"v\"=hex 00\n", 4, "expected ':'"},
        {k + "\"v\"=hex:100\n", 4, "is not a byte"},
        {k + "\"v\"=hex:00,,01\n", 4, "is not a byte"},
        {k + "\"v\"=hex:,\n", 4, "ends with a comma"},
        {k + "\"v\"=hex:00\\\n01\n", 4, "must end with a comma"},
        {k + "\"v\"=hex:00,\\\n", 4, "past the end"},
        {k + "\"v\"=hex:00,\\\n  zz\n", 5, "is not a byte"},
        {k + "\n\n\"v\"=\"\xE4\xB8\"\n", 6, "not UTF-8"},
        {"REGEDIT4\n\n[HKEY_CURRENT_USER\\k]\n\"v\"=hex(2):c3,28\n", 4, "not UTF-8"},
    };
    for (const BadText& bad : cases) {
        SCOPED_TRACE(bad.text);
        try {
            (void)parseRegFile(bad.text);
            ADD_FAILURE() << "parsed";
        } catch (const RegFileError& error) {
            EXPECT_EQ(error.line(), bad.line) << error.what();
            EXPECT_THAT(error.reason(), HasSubstr(bad.reason));
            EXPECT_THAT(error.what(), HasSubstr("line " + std::to_string(bad.line) + ": "));
        }
    }
}

} // namespace
} // namespace tovra::platform::emulated
