#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the suite,
# then the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc)

"$top/scripts/install-deps.sh" build ui test

run_suite() { # name, extra cmake options...
    local build="$top/build/$1"
    shift
    echo "== $(basename "$build"): configure and build"
    cmake -S "$top" -B "$build" -G Ninja "$@" >/dev/null
    cmake --build "$build" -j "$jobs"
    echo "== $(basename "$build"): tests"
    ctest --test-dir "$build" --output-on-failure -j "$jobs" --timeout 300
}

run_suite test -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite asan -DCMAKE_BUILD_TYPE=Debug -DTOVRA_SANITIZE=ON -DTOVRA_BUILD_BENCHMARKS=OFF
echo "== all tests passed"
