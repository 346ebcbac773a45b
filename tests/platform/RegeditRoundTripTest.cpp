// registry.reg carried to Windows and back through the registry editor,
// regedit, run under Wine: the program's file, re-encoded by the command that
// the README gives, is imported (regedit /S) and exported (regedit /E); the
// program reads the export and writes it back, and that file, carried again,
// exports the same bytes. Every value type goes: strings, dwords, a qword,
// binary data long enough to wrap, hex(2) and hex(7) with Chinese text, and
// Chinese and emoji names.

#include "platform/emulated/EmulatedRegistry.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iostream>
#include <string>
#include <vector>

namespace tovra::platform::emulated {
namespace {

using test::readBytes;
using test::TempDir;

const std::string kKey = "Software\\TovraRoundTrip";

struct Entry {
    std::string key; // below kKey
    std::string name;
    RegValue value;
};

RegValue raw(std::uint32_t type, const std::string& bytes) {
    return {type, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

std::vector<Entry> entries() {
    std::string binary;
    for (int i = 0; i < 100; ++i) {
        binary += static_cast<char>(i * 7);
    }
    using namespace std::string_literals;
    return {
        {"", "", RegValue::text("默认值")},
        {"", "Wallpaper", RegValue::text("D:\\图片\\风景 1.jpg")},
        {"", "Quoted", RegValue::text("say \"hi\" to C:\\")},
        {"", "Empty", RegValue::text("")},
        {"", "Zero", RegValue::dword(0)},
        {"", "Largest", RegValue::dword(0xFFFFFFFF)},
        {"", "Qword", raw(kRegQword, "\x01\x02\x03\x04\x05\x06\x07\x08")},
        {"", "Binary", raw(kRegBinary, binary)},
        {"", "Expand", RegValue::text("%USERPROFILE%\\图片", kRegExpandSz)},
        {"", "Multi", raw(kRegMultiSz, "a\0中文\0\0"s)},
        {"中文键", "名字", RegValue::text("值")},
        {"Emoji 😀", "😀", RegValue::text("😀 D:\\图片")},
    };
}

std::string keyOf(const Entry& entry) {
    return entry.key.empty() ? kKey : kKey + "\\" + entry.key;
}

/// Runs a command line through the shell; its exit status.
int run(const std::string& command) {
    return std::system(command.c_str());
}

std::string quoted(const std::filesystem::path& path) {
    return "'" + path.string() + "'";
}

/// A Wine prefix of its own, made on first use, its server ended at the end.
class Wine {
public:
    explicit Wine(const std::filesystem::path& prefix)
        : environment_("env WINEPREFIX=" + quoted(prefix) +
                       " WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= LC_ALL=zh_CN.UTF-8 ") {}
    ~Wine() { run(environment_ + "wineserver -k 2>/dev/null"); }
    Wine(const Wine&) = delete;
    Wine& operator=(const Wine&) = delete;

    int regedit(const std::string& arguments) const {
        return run(environment_ + TOVRA_WINE " regedit " + arguments);
    }
    int reg(const std::string& arguments) const {
        return run(environment_ + TOVRA_WINE " reg " + arguments + " >/dev/null 2>&1");
    }

    /// The path as a Windows program under Wine names it (drive Z: is /).
    static std::string windowsPath(const std::filesystem::path& path) {
        std::string text = "Z:" + path.string();
        for (char& c : text) {
            c = c == '/' ? '\\' : c;
        }
        return "'" + text + "'";
    }

private:
    std::string environment_;
};

/// The README's command that carries registry.reg to Windows.
void carryToWindows(const std::filesystem::path& registry, const std::filesystem::path& out) {
    ASSERT_EQ(run("(printf '\\377\\376'; iconv -f UTF-8 -t UTF-16LE " + quoted(registry) + ") > " +
                  quoted(out)),
              0);
}

/// Imports file into a key that holds nothing else, and exports the key.
void importAndExport(const Wine& wine, const std::filesystem::path& file,
                     const std::filesystem::path& exported) {
    wine.reg("delete 'HKCU\\" + kKey + "' /f"); // missing the first time
    ASSERT_EQ(wine.regedit("/S " + Wine::windowsPath(file)), 0);
    ASSERT_EQ(
        wine.regedit("/E " + Wine::windowsPath(exported) + " 'HKEY_CURRENT_USER\\" + kKey + "'"),
        0);
}

std::size_t lineCount(const std::string& utf16) {
    std::size_t count = 0;
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        count += utf16[i] == '\n' && utf16[i + 1] == 0 ? 1 : 0;
    }
    return count;
}

TEST(RegeditRoundTrip, EveryValueComesBackAndTheSecondTripExportsTheSameBytes) {
    TempDir dir;
    const Wine wine(dir.path() / "wineprefix");
    const auto program = dir.path() / "program";
    const auto fromWindows = dir.path() / "from-windows";
    {
        EmulatedRegistry registry(program);
        for (const Entry& entry : entries()) {
            HKey key = 0;
            ASSERT_EQ(registry.createKey(kHkeyCurrentUser, keyOf(entry), key), kErrorSuccess);
            ASSERT_EQ(registry.setValue(key, entry.name, entry.value), kErrorSuccess);
            registry.closeKey(key);
        }
    }
    carryToWindows(program / "registry.reg", dir.path() / "carried.reg");
    importAndExport(wine, dir.path() / "carried.reg", dir.path() / "export1.reg");

    // The program reads regedit's export as it stands, and writes it back.
    std::filesystem::create_directories(fromWindows);
    std::filesystem::copy_file(dir.path() / "export1.reg", fromWindows / "registry.reg");
    EmulatedRegistry registry(fromWindows);
    for (const Entry& entry : entries()) {
        HKey key = 0;
        RegValue value;
        ASSERT_EQ(registry.openKey(kHkeyCurrentUser, keyOf(entry), key), kErrorSuccess);
        EXPECT_EQ(registry.queryValue(key, entry.name, value), kErrorSuccess) << entry.name;
        EXPECT_EQ(value, entry.value) << entry.name;
        ASSERT_EQ(registry.setValue(key, "rewritten", RegValue::dword(1)), kErrorSuccess);
        ASSERT_EQ(registry.deleteValue(key, "rewritten"), kErrorSuccess);
        registry.closeKey(key);
    }
    carryToWindows(fromWindows / "registry.reg", dir.path() / "carried-again.reg");
    importAndExport(wine, dir.path() / "carried-again.reg", dir.path() / "export2.reg");

    const std::string first = readBytes(dir.path() / "export1.reg");
    EXPECT_EQ(readBytes(dir.path() / "export2.reg"), first);
    const std::string written = readBytes(fromWindows / "registry.reg");
    std::cout << "regedit exported " << lineCount(first) << " lines both times; the program wrote "
              << std::count(written.begin(), written.end(), '\n') << "\n";
}

} // namespace
} // namespace tovra::platform::emulated
