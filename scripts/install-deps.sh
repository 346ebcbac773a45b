#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing for the given purposes:
#   build  the compiler and build tools, libjpeg-turbo, giflib and libsodium, the
#          X11 libraries of the root-window helper, and xcb's RandR, through
#          which Xfce's backgrounds are named
#   ui     Qt 6 Widgets, the CJK font the Chinese captions need, the desktop's
#          screen-saver starter (xdg-utils) and xscreensaver's screen savers,
#          which the screen-saver chooser offers
#   test   GoogleTest/GoogleMock and Google Benchmark; a virtual X display, on
#          which a screen saver previews into a window and the root window's
#          wallpaper is checked; gsettings with GNOME's schemas and
#          desktop-file-validate, which the desktop tests run for real; the
#          locale sources, from which a test makes a Latin-1 locale; Xfce's
#          xfconf, xfwm4 and xfdesktop and a session bus, on which the Xfce
#          wallpaper is checked; djpeg, hyperfine and GNU time, which the
#          wallpaper benchmark is compared and measured with
#   xvfb   a virtual X display and the screenshot tools, for machines without a display
#   wine   the mingw-w64 cross compiler, GoogleTest's sources and Wine, to build the
#          Windows backend and run its tests; a virtual X display and the X libraries
#          that Wine's X11 driver loads (only recommended by Debian's package), for
#          its window tests; and the zh_CN.UTF-8 locale, which gives Wine code page 936
#   fuzz   Clang and its runtime libraries (libFuzzer and the sanitizers), for fuzz/
#   package  dpkg-dev (dpkg-shlibdeps), fakeroot and lintian, to build the Debian
#          package and check it, and a virtual display with xwininfo, on which
#          the unpacked program is started
#   sway   Sway headless with swaybg and grim, on which the wlroots wallpaper is
#          checked on a real compositor (scripts/sway-wallpaper-check.sh)
# Runs apt-get only when something is missing; uses sudo when not root.
set -euo pipefail

declare -A groups=(
    [build]="g++ cmake ninja-build pkg-config libjpeg62-turbo-dev libgif-dev libsodium-dev libx11-dev libxrandr-dev libxcb-randr0-dev"
    [ui]="qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev fontconfig fonts-arphic-gbsn00lp libxcb1-dev xdg-utils xscreensaver-data"
    [test]="libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth libjpeg-turbo-progs hyperfine time libglib2.0-bin gsettings-desktop-schemas desktop-file-utils locales xfconf xfwm4 xfdesktop4 dbus-daemon"
    [xvfb]="xvfb xauth imagemagick x11-utils"
    [fuzz]="clang libclang-rt-14-dev"
    [package]="dpkg-dev fakeroot file lintian xvfb x11-utils"
    [sway]="sway swaybg grim"
    [wine]="g++-mingw-w64-x86-64-posix googletest wine64 wine xvfb xauth locales libxrender1 libxrandr2 libxi6 libxcursor1 libxfixes3 libxinerama1 libxcomposite1"
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

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi

if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing from Debian's packages: ${missing[*]}"
    if [[ ${#sudo[@]} -gt 0 ]] && ! command -v sudo >/dev/null; then
        echo "install-deps: not root and no sudo; install: ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -q
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
        -o DPkg::Lock::Timeout=300 "${missing[@]}"
fi

# Wine takes its ANSI code page from the locale's name alone, but the code page
# of Unix file names from the locale itself: without it, a Chinese file name
# cannot reach the disk.
if [[ " $* " == *" wine "* ]] && ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
    echo "Generating the zh_CN.UTF-8 locale"
    "${sudo[@]}" localedef -i zh_CN -c -f UTF-8 -A /usr/share/locale/locale.alias zh_CN.UTF-8
fi
