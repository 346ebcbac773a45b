// The wallpaper windows: the preview showing a 6000 x 3750 JPEG photograph
// (read, decoded at a reduced scale, smoothed to 312 x 195), showing and
// applying a GIF whose one frame of 32768 x 32768 pixels stands in a 640 x 480
// logical screen, and "<<" adding the 5,000 files of a folder to an empty
// wallpaper list (the paths taken from the file list, the section written in
// one batch, the list filled).

#include "bench/SettingsFiles.h"
#include "tests/support/EncodedPictures.h"
#include "tests/support/MainWindowHarness.h"
#include "tests/support/PatternPicture.h"
#include "toolkit/SkinFileControls.h"
#include "wallpaper/Unit_PicView.h"
#include "wallpaper/Unit_Piclist.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

#include <QLabel>
#include <QListWidget>

namespace {

using tovra::bench::kPictures;

/// A photograph's worth of detail: a smooth picture with grain of that many
/// levels, which JPEG cannot compress away as it does a bare gradient. 16
/// levels is a camera's grain; 128 is noise in every pixel, the worst case.
tovra::picture::Image grainyPhoto(tovra::picture::Size size, int levels) {
    tovra::picture::Image image = tovra::test::photoPicture(size);
    std::uint32_t seed = 12345;
    for (int y = 0; y < size.height; ++y) {
        std::uint8_t* row = image.row(y);
        for (int x = 0; x < size.width * 3; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = static_cast<int>((seed >> 24) % static_cast<std::uint32_t>(levels));
            row[x] = static_cast<std::uint8_t>(row[x] * (256 - levels) / 256 + grain);
        }
    }
    return image;
}

void BM_ShowPicture6000x3750Jpeg(benchmark::State& state) {
    tovra::test::MainWindowHarness harness;
    harness.start();
    const std::string photo = harness.temp.file("photo.jpg");
    tovra::test::writeBytes(
        photo, tovra::test::jpegFile(grainyPhoto({6000, 3750}, static_cast<int>(state.range(0)))));
    tovra::TFormPicView& preview = *harness.wallpaper.preview;
    preview.show();
    for (auto _ : state) {
        preview.ShowPicture(photo);
    }
    if (preview.imgView->size() != QSize(312, 195)) {
        state.SkipWithError("the picture was not shown");
    }
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(photo)) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ShowPicture6000x3750Jpeg)
    ->ArgName("grain")
    ->Arg(16)
    ->Arg(128)
    ->Unit(benchmark::kMillisecond);

/// The GIF with the huge frame, in the harness's folder: one colour, so that
/// the file stays near a megabyte while it states a billion pixels.
std::string hugeFrameGif(tovra::test::MainWindowHarness& harness) {
    static const std::string bytes =
        tovra::test::gifFile({640, 480}, {{.width = 32768, .height = 32768, .fillIndex = 7}});
    const std::string path = harness.temp.file("huge-frame.gif");
    tovra::test::writeBytes(path, bytes);
    return path;
}

void BM_ShowGifWithAHugeFrame(benchmark::State& state) {
    tovra::test::MainWindowHarness harness;
    harness.start();
    const std::string gif = hugeFrameGif(harness);
    tovra::TFormPicView& preview = *harness.wallpaper.preview;
    preview.show();
    for (auto _ : state) {
        preview.ShowPicture(gif);
    }
    if (preview.imgView->size() != QSize(261, 196)) {
        state.SkipWithError("the picture was not shown");
    }
}
BENCHMARK(BM_ShowGifWithAHugeFrame)->Unit(benchmark::kMillisecond);

/// "拉伸" from the preview's menu: the GIF decoded, fitted to the screen and
/// stored as the wallpaper bitmap.
void BM_ApplyGifWithAHugeFrame(benchmark::State& state) {
    tovra::test::MainWindowHarness harness;
    harness.start();
    tovra::TFormPicView& preview = *harness.wallpaper.preview;
    preview.PreviewFileName = hugeFrameGif(harness);
    preview.ApplyStyle = 2;
    for (auto _ : state) {
        preview.ApplyWallpaper();
    }
    if (!std::filesystem::exists(harness.state.TempDir + "WallPaper.BMP")) {
        state.SkipWithError("the picture was not applied");
    }
}
BENCHMARK(BM_ApplyGifWithAHugeFrame)->Unit(benchmark::kMillisecond);

void BM_AddAllFiveThousandFiles(benchmark::State& state) {
    tovra::test::MainWindowHarness harness;
    const std::filesystem::path folder = harness.temp.path() / "pictures";
    std::filesystem::create_directory(folder);
    for (int i = 0; i < kPictures; ++i) {
        std::array<char, 32> name{};
        std::snprintf(name.data(), name.size(), "picture-%05d.jpg", i);
        tovra::test::writeBytes(folder / name.data(), "");
    }
    harness.start();
    tovra::TFormPiclist& list = *harness.wallpaper.list;
    list.bsSkinDirectoryListBox1->setDirectory(QString::fromStdString(folder.string()));
    list.show();
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(harness.settingsFile);
        list.lvpicture->clear();
        state.ResumeTiming();
        list.FBAddAllClick();
    }
    if (list.lvpicture->count() != kPictures) {
        state.SkipWithError("not every file was added");
    }
}
BENCHMARK(BM_AddAllFiveThousandFiles)->Unit(benchmark::kMillisecond);

} // namespace
