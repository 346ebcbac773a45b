// The window magnet during a drag: a move (key state, arithmetic, snapping to
// three targets and the screen) and a press (two window searches and three
// rectangle queries). A move must cost the same whatever the targets are.

#include "app/core/MagnetRules.h"

#include <benchmark/benchmark.h>
#include <limits>

namespace {

using tovra::platform::Hwnd;
using tovra::platform::Point;
using tovra::platform::Rect;

class StillScreen : public tovra::platform::Screen {
public:
    int getSystemMetrics(int index) override { return index == 0 ? 1024 : 768; }
    std::int16_t getAsyncKeyState(int) override { return std::numeric_limits<std::int16_t>::min(); }
    std::uint32_t getSysColor(int) override { return 0; }
    bool setSysColors(std::span<const int>, std::span<const std::uint32_t>) override {
        return false;
    }
};

// Every class is found; each window answers its own rectangle.
class StillWindows : public tovra::platform::DesktopWindows {
public:
    Hwnd findWindow(const std::string& className, const std::optional<std::string>&) override {
        return className == "Shell_TrayWnd" ? 1 : 2;
    }
    Hwnd getWindow(Hwnd, unsigned) override { return 0; }
    std::string getClassName(Hwnd, int) override { return {}; }
    std::optional<Rect> getWindowRect(Hwnd window) override {
        return window == 1 ? Rect{0, 738, 1024, 768} : Rect{100, 200, 600, 495};
    }
    bool showWindow(Hwnd, int) override { return false; }
    std::intptr_t sendMessage(Hwnd, unsigned, std::uintptr_t, std::intptr_t) override { return 0; }
};

tovra::magnet::MagnetCore allTargets(StillWindows& windows, StillScreen& screen) {
    tovra::magnet::MagnetCore core(windows, screen);
    core.MagOption = {.MagTray = true, .MagExplorer = true, .MagCustom = true};
    core.CustomHandle = 3;
    return core;
}

void BM_MagnetMove(benchmark::State& state) {
    StillWindows windows;
    StillScreen screen;
    auto core = allTargets(windows, screen);
    core.press({100, 50});
    const Rect owner{300, 200, 612, 437};
    std::int32_t step = 0;
    for (auto _ : state) {
        step = (step + 7) % 900;
        benchmark::DoNotOptimize(core.move({step - 300, step - 400}, owner));
    }
}
BENCHMARK(BM_MagnetMove);

void BM_MagnetPress(benchmark::State& state) {
    StillWindows windows;
    StillScreen screen;
    auto core = allTargets(windows, screen);
    for (auto _ : state) {
        core.press({100, 50});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MagnetPress);

} // namespace
