// The settings file with a wallpaper list of 5,000 pictures: a read of one
// value, a read of the whole key list, a change of one key, and a list built
// by 5,000 single writes into a new file.

#include "platform/emulated/EmulatedProfileFiles.h"
#include "settings/IniFile.h"
#include "settings/SettingsIndex.h"
#include "tests/support/TempDir.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace {

using tovra::platform::emulated::EmulatedProfileFiles;
using tovra::settings::IniFile;

constexpr int kPictures = 5000;

using ScratchFolder = tovra::test::TempDir;

std::string picturePath(int number) {
    static const std::array<const char*, 4> categories = {"风景", "动物", "城市", "花卉"};
    std::array<char, 32> digits{};
    std::snprintf(digits.data(), digits.size(), "%05d", number);
    return std::string("D:\\Pictures\\") + categories[static_cast<std::size_t>(number) % 4] +
           "\\picture-" + digits.data() + ".jpg";
}

std::string listSection() {
    return tovra::settings::sectionName(tovra::settings::kSectionPrefix,
                                        tovra::settings::section::kPicNameList);
}

/// Builds, in one write, the settings file of a user with 5,000 pictures.
void writeSettingsFile(const std::string& file) {
    std::string text = "[TovraDesktop SecondNum]\r\ntime=3500\r\n"
                       "[TovraDesktop setting]\r\nsetsize=1\r\nsetname=hour\r\n"
                       "[" +
                       listSection() + "]\r\n";
    for (int i = 0; i < kPictures; ++i) {
        text += picturePath(i) + "=\r\n";
    }
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fwrite(text.data(), 1, text.size(), out);
    std::fclose(out);
}

/// Waits until the file is older than the settle time of the parsed copies: a
/// settings file that was there before the program started.
void letSettle() {
    std::this_thread::sleep_for(tovra::platform::emulated::ProfileFileCache::kSettleTime +
                                std::chrono::milliseconds(100));
}

void BM_ReadValue(benchmark::State& state) {
    ScratchFolder folder;
    const std::string file = folder.file("TovraDesktop.ini");
    writeSettingsFile(file);
    if (state.range(0) == 1) {
        letSettle();
    }
    EmulatedProfileFiles profiles;
    const IniFile ini(profiles, file);
    const std::string section = listSection();
    std::vector<std::string> keys;
    for (int i = 0; i < kPictures; i += 7) {
        keys.push_back(picturePath(i));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ini.readString(section, keys[next], "missing"));
        next = (next + 1) % keys.size();
    }
}
// Argument 1: a file older than the settle time (one stat per read); 0: a
// file written just now (its bytes are compared with the parsed copy).
BENCHMARK(BM_ReadValue)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_ReadKeyList(benchmark::State& state) {
    ScratchFolder folder;
    const std::string file = folder.file("TovraDesktop.ini");
    writeSettingsFile(file);
    letSettle();
    EmulatedProfileFiles profiles;
    const IniFile ini(profiles, file);
    const std::string section = listSection();
    for (auto _ : state) {
        const auto keys = ini.readSection(section);
        if (keys.size() != kPictures) {
            state.SkipWithError("the key list came back short");
        }
    }
}
BENCHMARK(BM_ReadKeyList)->Unit(benchmark::kMicrosecond);

void BM_WriteExistingKey(benchmark::State& state) {
    ScratchFolder folder;
    const std::string file = folder.file("TovraDesktop.ini");
    writeSettingsFile(file);
    EmulatedProfileFiles profiles;
    IniFile ini(profiles, file);
    const std::string section = listSection();
    const std::string key = picturePath(kPictures / 2);
    int flip = 0;
    for (auto _ : state) {
        ini.writeString(section, key, (flip ^= 1) != 0 ? "1" : "");
    }
}
BENCHMARK(BM_WriteExistingKey)->Unit(benchmark::kMillisecond);

void BM_WriteKeysOneByOne(benchmark::State& state) {
    ScratchFolder folder;
    const std::string file = folder.file("TovraDesktop.ini");
    const std::string section = listSection();
    std::vector<std::string> keys;
    for (int i = 0; i < kPictures; ++i) {
        keys.push_back(picturePath(i));
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(file);
        EmulatedProfileFiles profiles;
        IniFile ini(profiles, file);
        state.ResumeTiming();
        for (const auto& key : keys) {
            ini.writeString(section, key, {});
        }
    }
}
BENCHMARK(BM_WriteKeysOneByOne)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
