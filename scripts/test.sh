#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the suite
# (with the Debian package built and checked, and the wallpaper on a headless
# Sway),
# the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer,
# and the Windows build of the Qt-free libraries, cross-compiled with
# mingw-w64 and run under Wine; then every fuzz target for 30 seconds.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)

"$top/scripts/install-deps.sh" build ui test wine package sway

run_suite() { # name, extra cmake options...
    local build="$top/build/$1"
    shift
    echo "== $(basename "$build"): configure and build"
    cmake -S "$top" -B "$build" -G Ninja "$@" >/dev/null
    cmake --build "$build" -j "$jobs"
    echo "== $(basename "$build"): tests"
    ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300
}

stop_wine() { # build folder: ends the Wine servers of its prefixes
    local prefix
    for prefix in "$1"/wineprefix*; do
        [[ -d "$prefix" ]] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    done
}

run_wine_suite() {
    local build="$top/build/mingw" started=$SECONDS
    # A fresh Wine prefix for every run: nothing left from an earlier run or
    # another Wine version takes part.
    stop_wine "$build"
    rm -rf "$build"/wineprefix*
    # Expanded now: the local variable is gone when the shell exits.
    # shellcheck disable=SC2064
    trap "stop_wine '$build'" EXIT
    run_suite mingw -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$top/cmake/toolchains/mingw-w64-x86_64.cmake"
    stop_wine "$build"
    echo "== mingw: built and tested under Wine in $((SECONDS - started)) s"
}

run_suite test -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite asan -DCMAKE_BUILD_TYPE=Debug -DTOVRA_SANITIZE=ON -DTOVRA_BUILD_BENCHMARKS=OFF
run_wine_suite
echo "== fuzz targets, 30 s each"
"$top/scripts/fuzz.sh" 30
echo "== all tests passed"
