#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing for the given purposes:
#   build  the compiler and build tools
#   ui     Qt 6 Widgets and the CJK font the Chinese captions need
#   test   GoogleTest/GoogleMock and Google Benchmark
#   xvfb   a virtual X display and the screenshot tools, for machines without a display
# Runs apt-get only when something is missing; uses sudo when not root.
set -euo pipefail

declare -A groups=(
    [build]="g++ cmake ninja-build pkg-config"
    [ui]="qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev fontconfig fonts-arphic-gbsn00lp"
    [test]="libgtest-dev libgmock-dev libbenchmark-dev"
    [xvfb]="xvfb xauth imagemagick x11-utils"
)

wanted=()
for purpose in "$@"; do
    [[ -n "${groups[$purpose]+set}" ]] || { echo "install-deps: unknown purpose '$purpose'" >&2; exit 2; }
    read -r -a packages <<<"${groups[$purpose]}"
    wanted+=("${packages[@]}")
done

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing from Debian's packages: ${missing[*]}"
sudo=()
if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "install-deps: not root and no sudo; install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=300 "${missing[@]}"
