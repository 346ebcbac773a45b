// What one call of the emulated registry costs as the registry grows: a call
// looks whether registry.reg is still the version it holds, and every change
// rewrites it under the lock, beside the cost of that write alone.

#include "platform/emulated/EmulatedRegistry.h"
#include "platform/emulated/FileStore.h"
#include "platform/emulated/RegFile.h"
#include "tests/support/TempDir.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace tovra::platform::emulated {
namespace {

using ScratchFolder = tovra::test::TempDir;

/// keys keys under HKCU\Software\Bench, five values each, the way a
/// well-used registry of a desktop program looks.
RegTree treeOf(std::int64_t keys) {
    RegTree tree;
    RegKeyNode& bench =
        tree.root(RegRoot::CurrentUser).subkeyOrCreate("Software").subkeyOrCreate("Bench");
    for (std::int64_t i = 0; i < keys; ++i) {
        RegKeyNode& key = bench.subkeyOrCreate("Key " + std::to_string(i));
        key.setValue("",
                     RegValue::text("D:\\Pictures\\风景\\picture-" + std::to_string(i) + ".jpg"));
        key.setValue("Count", RegValue::dword(static_cast<std::uint32_t>(i)));
        key.setValue("Style", RegValue::text("2"));
        key.setValue("Expand", RegValue::text("%SystemRoot%\\system32\\bench.scr", kRegExpandSz));
        key.setValue("Data", RegValue{kRegBinary, std::vector<std::uint8_t>(40, 0xA5)});
    }
    return tree;
}

void BM_ParseFile(benchmark::State& state) {
    const std::string text = serialiseRegFile(treeOf(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(parseRegFile(text));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseFile)->Arg(10)->Arg(100)->Arg(1000);

void BM_SerialiseFile(benchmark::State& state) {
    const RegTree tree = treeOf(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(serialiseRegFile(tree));
    }
}
BENCHMARK(BM_SerialiseFile)->Arg(10)->Arg(100)->Arg(1000);

/// A registry on disk with the tree of state.range(0) keys, and a handle on one of them.
struct Fixture {
    explicit Fixture(std::int64_t keys) {
        std::filesystem::create_directory(folder.path() / "state");
        const std::string text = serialiseRegFile(treeOf(keys));
        std::FILE* file = std::fopen((folder.path() / "state" / "registry.reg").c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), file);
        std::fclose(file);
        if (registry.openKey(kHkeyCurrentUser, "Software\\Bench\\Key 0", key) != kErrorSuccess) {
            throw std::runtime_error("the benchmark registry did not open");
        }
    }
    ScratchFolder folder;
    EmulatedRegistry registry{folder.path() / "state"};
    HKey key = 0;
};

void BM_QueryValue(benchmark::State& state) {
    Fixture fixture(state.range(0));
    RegValue value;
    for (auto _ : state) {
        if (fixture.registry.queryValue(fixture.key, "count", value) != kErrorSuccess) {
            state.SkipWithError("query failed");
        }
    }
}
BENCHMARK(BM_QueryValue)->Arg(10)->Arg(100)->Arg(1000);

void BM_SetValue(benchmark::State& state) {
    Fixture fixture(state.range(0));
    std::uint32_t number = 0;
    for (auto _ : state) {
        if (fixture.registry.setValue(fixture.key, "count", RegValue::dword(++number)) !=
            kErrorSuccess) {
            state.SkipWithError("set failed");
        }
    }
}
BENCHMARK(BM_SetValue)->Arg(10)->Arg(100)->Arg(1000);

/// The floor under BM_SetValue: the same bytes written, flushed and renamed
/// into place the way every change is, without the registry around them.
void BM_WriteFloor(benchmark::State& state) {
    Fixture fixture(state.range(0));
    const std::filesystem::path file = fixture.folder.path() / "state" / "registry.reg";
    const std::string text = serialiseRegFile(treeOf(state.range(0)));
    for (auto _ : state) {
        if (!replaceFile(file, text, 0600)) {
            state.SkipWithError("write failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_WriteFloor)->Arg(10)->Arg(100)->Arg(1000);

} // namespace
} // namespace tovra::platform::emulated
