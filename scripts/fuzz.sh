#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with Clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for the given number of seconds,
# two at a time (FUZZ_JOBS), starting from its seeds in fuzz/corpus/<name>.
#   scripts/fuzz.sh [seconds] [target...]       (default: 30 s, every target)
# New inputs go to build/fuzz/corpus/<name>; a crash, leak or broken check
# leaves its input in build/fuzz/artifacts/ and fails the run.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
seconds=${1:-30}
shift || true
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
    targets=(settings_file registry_file desktop_state bmp jpeg gif)
fi

"$top/scripts/install-deps.sh" build fuzz

build="$top/build/fuzz"
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
    -DTOVRA_BUILD_UI=OFF -DTOVRA_BUILD_TESTS=OFF -DTOVRA_BUILD_BENCHMARKS=OFF \
    -DTOVRA_SANITIZE=ON -DTOVRA_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

run_one() { # target name
    local name=$1 corpus="$build/corpus/$1" artifacts="$build/artifacts"
    mkdir -p "$corpus" "$artifacts"
    if "$build/fuzz/fuzz_$name" "$corpus" "$top/fuzz/corpus/$name" \
        -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2560 \
        -artifact_prefix="$artifacts/$name-" -print_final_stats=1 \
        >"$build/fuzz_$name.log" 2>&1; then
        echo "fuzz_$name: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/fuzz_$name.log" |
            grep -o '[0-9]*$') runs in ${seconds} s, nothing found"
    else
        echo "fuzz_$name FAILED; the end of its log ($build/fuzz_$name.log):" >&2
        tail -n 40 "$build/fuzz_$name.log" >&2
        return 1
    fi
}
# The desktop-state target writes a file per input: keep that in memory.
if [[ -z "${TMPDIR:-}" && -w /dev/shm ]]; then
    export TMPDIR=/dev/shm
fi
jobs=${FUZZ_JOBS:-2}
export -f run_one
export build top seconds

printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one {}'
