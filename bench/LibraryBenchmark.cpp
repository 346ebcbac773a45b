// The wallpaper library of a user with 50 categories of 1,000 pictures each,
// beside the program's own sections: opening it (the file read and parsed
// afresh, the categories listed), listing its largest category, and adding
// 1,000 pictures chosen at once.

#include "bench/LibraryFile.h"
#include "library/core/LibraryStore.h"
#include "platform/emulated/EmulatedProfileFiles.h"
#include "settings/IniFile.h"
#include "settings/SettingsIndex.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using tovra::bench::categoryName;
using tovra::bench::kCategories;
using tovra::bench::kPicturesEach;
using tovra::bench::LibraryFile;
using tovra::library::LibraryStore;
using tovra::platform::emulated::EmulatedProfileFiles;
using tovra::settings::IniFile;
using tovra::settings::kSectionPrefix;

void BM_LibraryOpen(benchmark::State& state) {
    const LibraryFile file;
    for (auto _ : state) {
        EmulatedProfileFiles profiles; // nothing parsed yet
        IniFile ini(profiles, file.path());
        LibraryStore store(ini, kSectionPrefix);
        if (store.loadCategories().size() != kCategories) {
            state.SkipWithError("categories missing");
        }
    }
}
BENCHMARK(BM_LibraryOpen)->Unit(benchmark::kMillisecond);

void BM_LibraryListLargestCategory(benchmark::State& state) {
    const LibraryFile file;
    EmulatedProfileFiles profiles;
    IniFile ini(profiles, file.path());
    LibraryStore store(ini, kSectionPrefix);
    const std::string largest = store.loadCategories().back();
    for (auto _ : state) {
        if (store.pictures(largest).size() != kPicturesEach) {
            state.SkipWithError("pictures missing");
        }
    }
}
BENCHMARK(BM_LibraryListLargestCategory)->Unit(benchmark::kMillisecond);

void BM_LibraryAddThousandPictures(benchmark::State& state) {
    const LibraryFile file;
    std::vector<std::string> chosen;
    for (int i = 0; i < kPicturesEach; ++i) {
        chosen.push_back("E:\\新图片\\" + std::to_string(i) + ".bmp");
    }
    for (auto _ : state) {
        state.PauseTiming();
        file.restore();
        tovra::bench::letSettle(); // a file the program has known for a while
        EmulatedProfileFiles profiles;
        IniFile ini(profiles, file.path());
        LibraryStore store(ini, kSectionPrefix);
        benchmark::DoNotOptimize(store.pictures(categoryName(0))); // the window has read it
        state.ResumeTiming();
        if (store.addPictures(categoryName(0), chosen) != chosen.size()) {
            state.SkipWithError("pictures not added");
        }
    }
}
BENCHMARK(BM_LibraryAddThousandPictures)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
