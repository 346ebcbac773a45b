// The rotation and the wallpaper list on a settings file with 5,000 pictures:
// one tick of the rotation timer that does not change the wallpaper (what
// runs every second), and the batch add of 5,000 files to the list (the work
// of "<<" below the window).

#include "bench/SettingsFiles.h"
#include "platform/emulated/EmulatedPlatform.h"
#include "platform/emulated/EmulatedProfileFiles.h"
#include "tests/support/HostStandIns.h"
#include "tests/support/TempDir.h"
#include "wallpaper/core/PicNameList.h"
#include "wallpaper/core/WallpaperRotation.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using tovra::bench::kPictures;
using tovra::bench::picturePath;

/// A screen for the emulated platform; the ticks measured never look at it.
class BenchDesktop final : public tovra::platform::HostDesktop {
public:
    [[nodiscard]] tovra::platform::Rect screenGeometry() const override {
        return {0, 0, 1920, 1080};
    }
    [[nodiscard]] tovra::platform::Rect availableGeometry() const override {
        return screenGeometry();
    }
    [[nodiscard]] bool leftButtonDown() const override { return false; }
};

void BM_RotationTick(benchmark::State& state) {
    tovra::test::TempDir folder;
    const std::string file = folder.file("TovraDesktop.ini");
    tovra::bench::writeSettingsFile(file);
    tovra::bench::letSettle();
    BenchDesktop desktop;
    tovra::test::ScriptedMessageBoxes boxes;
    tovra::test::RecordingTray tray(false);
    const auto native = tovra::platform::emulated::createEmulatedPlatform(
        {desktop, boxes, tray}, tovra::platform::emulated::StateRoot(folder.path() / "state"));
    const tovra::platform::Platform platform = native->platform();
    tovra::wallpaper::WallpaperSetterSource setters(
        tovra::wallpaper::WallpaperServices::from(platform));
    setters.useTempDir(platform.files.tempPath());
    tovra::wallpaper::WallpaperRotation rotation(setters);
    const tovra::settings::IniFile ini(platform.profiles, file);
    const std::vector<std::string> list = ini.readSection(tovra::bench::listSection());
    std::int32_t elapsed = 0;
    int picIndex = 0;
    for (auto _ : state) {
        elapsed = 0;
        rotation.tmr1Timer(ini, {elapsed, 0, picIndex}, [&list] { return list; });
    }
    if (elapsed != 1) {
        state.SkipWithError("the tick did not count");
    }
}
BENCHMARK(BM_RotationTick)->Unit(benchmark::kMicrosecond);

void BM_AddAllToTheList(benchmark::State& state) {
    tovra::test::TempDir folder;
    const std::string file = folder.file("TovraDesktop.ini");
    std::vector<std::string> paths;
    for (int i = 0; i < kPictures; ++i) {
        paths.push_back(picturePath(i));
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::remove(file);
        tovra::platform::emulated::EmulatedProfileFiles profiles;
        tovra::settings::IniFile ini(profiles, file);
        tovra::wallpaper::PicNameList list(ini);
        state.ResumeTiming();
        if (list.addAll(paths).size() != paths.size()) {
            state.SkipWithError("not every path was added");
        }
    }
}
BENCHMARK(BM_AddAllToTheList)->Unit(benchmark::kMillisecond);

} // namespace
