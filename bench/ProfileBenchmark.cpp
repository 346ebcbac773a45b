// The settings file with a wallpaper list of 5,000 pictures: a read of one
// value, a read of the whole key list, a change of one key, and a list built
// by 5,000 single writes into a new file.

#include "bench/SettingsFiles.h"
#include "platform/emulated/EmulatedProfileFiles.h"
#include "settings/IniFile.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using tovra::platform::emulated::EmulatedProfileFiles;
using tovra::settings::IniFile;

using tovra::bench::kPictures;
using tovra::bench::letSettle;
using tovra::bench::listSection;
using tovra::bench::picturePath;
using tovra::bench::writeSettingsFile;
using ScratchFolder = tovra::test::TempDir;

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
