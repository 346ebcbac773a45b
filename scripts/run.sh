#!/usr/bin/env bash
# Installs what is missing, builds TovraDesktop and starts it. Without a display
# it starts the program on a virtual display (Xvfb) and writes a screenshot of
# the main window to build/screenshot.png.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$top/build/release"

"$top/scripts/install-deps.sh" build ui
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTOVRA_BUILD_TESTS=OFF -DTOVRA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build"
program="$build/app/TovraDesktop"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program"
fi

shot="$top/build/screenshot.png"
echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set)."
echo "Starting TovraDesktop on a virtual display (Xvfb) instead."
"$top/scripts/install-deps.sh" xvfb
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    "$top/scripts/run-with-screenshot.sh" "$program" "$shot"
