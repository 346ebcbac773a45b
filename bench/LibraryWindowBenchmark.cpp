// The library window over a library of 50 categories of 1,000 pictures each:
// opening it (created, shown and painted, the settings file read and parsed
// afresh) and clicking its largest category (the picture list filled, laid
// out and painted). Runs on Qt's offscreen platform unless told otherwise.

#include "bench/LibraryFile.h"
#include "library/Unit_PicManger.h"
#include "platform/emulated/EmulatedProfileFiles.h"
#include "settings/SettingsIndex.h"
#include "tests/support/MainWindowHarness.h"

#include <benchmark/benchmark.h>
#include <memory>

#include <QApplication>
#include <QListWidget>
#include <QTreeWidget>

namespace {

using tovra::bench::kCategories;
using tovra::bench::kPicturesEach;
using tovra::library::LibraryServices;
using tovra::library::TFormPicManger;

const std::string kPrefix(tovra::settings::kSectionPrefix);

/// The program's platform with a profile-file backend that has read nothing yet.
struct ColdPlatform {
    explicit ColdPlatform(tovra::platform::Platform& warm)
        : platform{warm.registry, profiles,    warm.shell,        warm.files, warm.processes,
                   warm.windows,  warm.screen, warm.messageBoxes, warm.tray} {}

    tovra::platform::emulated::EmulatedProfileFiles profiles;
    tovra::platform::Platform platform;
};

void BM_LibraryWindowOpen(benchmark::State& state) {
    const tovra::bench::LibraryFile file;
    tovra::test::MainWindowHarness harness;
    for (auto _ : state) {
        ColdPlatform cold(*harness.platform);
        TFormPicManger window(
            nullptr, LibraryServices{cold.platform, harness.errors, file.path(), kPrefix, {}});
        window.show();
        QApplication::processEvents();
        if (window.TVPictype->topLevelItemCount() != kCategories) {
            state.SkipWithError("categories missing");
        }
        state.PauseTiming();
        window.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LibraryWindowOpen)->Unit(benchmark::kMillisecond);

void BM_LibraryWindowClickLargestCategory(benchmark::State& state) {
    const tovra::bench::LibraryFile file;
    tovra::test::MainWindowHarness harness;
    TFormPicManger window(
        nullptr, LibraryServices{*harness.platform, harness.errors, file.path(), kPrefix, {}});
    window.show();
    QApplication::processEvents();
    QTreeWidgetItem* largest = window.TVPictype->topLevelItem(kCategories - 1);
    for (auto _ : state) {
        state.PauseTiming();
        window.TVPictype->clearSelection(); // empties the list
        QApplication::processEvents();
        state.ResumeTiming();
        window.TVPictype->setCurrentItem(largest); // what a click does
        QApplication::processEvents();
        if (window.LVFilelist->count() != kPicturesEach) {
            state.SkipWithError("pictures missing");
        }
    }
}
BENCHMARK(BM_LibraryWindowClickLargestCategory)->Unit(benchmark::kMillisecond);

} // namespace
