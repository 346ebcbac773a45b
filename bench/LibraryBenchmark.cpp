// The wallpaper library of a user with 50 categories of 1,000 pictures each,
// beside the program's own sections: opening it (the file read and parsed
// afresh, the categories listed), listing its largest category, and adding
// 1,000 pictures chosen at once.

#include "library/core/LibraryStore.h"
#include "platform/emulated/EmulatedProfileFiles.h"
#include "settings/IniFile.h"
#include "settings/SettingsIndex.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using tovra::library::LibraryStore;
using tovra::platform::emulated::EmulatedProfileFiles;
using tovra::settings::IniFile;
using tovra::settings::kSectionPrefix;

constexpr int kCategories = 50;
constexpr int kPicturesEach = 1000;

std::string categoryName(int number) {
    return "壁纸类别 " + std::to_string(number);
}

std::string picturePath(int category, int number) {
    return "D:\\Pictures\\" + categoryName(category) + "\\图片-" + std::to_string(number) + ".jpg";
}

/// The settings file, written at once as a user's long use would have left it.
class LibraryFile {
public:
    LibraryFile() {
        std::string text = "[TovraDesktop SecondNum]\r\ntime=3500\r\n"
                           "[TovraDesktop PicNameList]\r\nD:\\Pictures\\a.jpg=\r\n";
        for (int category = 0; category < kCategories; ++category) {
            text += "[" + categoryName(category) + "]\r\n";
            for (int i = 0; i < kPicturesEach; ++i) {
                text += picturePath(category, i) + "=\r\n";
            }
        }
        pristine_ = folder_.file("pristine.ini");
        tovra::test::writeBytes(pristine_, text);
        restore();
        // Older than the settle time of the parsed copies: a file that was
        // there before the program started.
        std::this_thread::sleep_for(tovra::platform::emulated::ProfileFileCache::kSettleTime +
                                    std::chrono::milliseconds(100));
    }

    [[nodiscard]] std::string path() const { return folder_.file("TovraDesktop.ini"); }
    void restore() const {
        std::filesystem::copy_file(pristine_, path(),
                                   std::filesystem::copy_options::overwrite_existing);
    }

private:
    tovra::test::TempDir folder_;
    std::string pristine_;
};

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
