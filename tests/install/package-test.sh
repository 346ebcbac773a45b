#!/usr/bin/env bash
# Builds the Debian package from a build folder, checks its files and control
# fields, runs lintian (an error fails), unpacks it and starts the program
# from the unpacked tree on a virtual display as far as its main window.
# Usage: package-test.sh BUILD_FOLDER SCRATCH_FOLDER. Exits 77 (skipped)
# where a tool it needs is missing (./scripts/install-deps.sh package).
set -euo pipefail
build=$1
scratch=$2

for tool in cpack dpkg-deb dpkg-shlibdeps fakeroot lintian Xvfb xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is not installed (./scripts/install-deps.sh package)"
        exit 77
    fi
done

fail() { echo "FAIL: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack"; }
shopt -s nullglob
debs=("$scratch"/out/tovradesktop_*_amd64.deb)
[[ ${#debs[@]} -eq 1 ]] || fail "expected one tovradesktop_<version>_amd64.deb, found: ${debs[*]:-none}"
deb=${debs[0]}

# The files, where Debian puts them, and nothing that starts at log-in.
listing=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
for file in ./usr/bin/TovraDesktop ./usr/libexec/TovraDesktop/tovra-setroot \
    ./usr/libexec/TovraDesktop/tovra-screensaver ./usr/share/applications/tovradesktop.desktop \
    ./usr/share/icons/hicolor/scalable/apps/tovradesktop.svg \
    ./usr/share/doc/tovradesktop/copyright ./usr/share/doc/tovradesktop/changelog.gz; do
    grep -qxF "$file" <<<"$listing" || fail "not in the package: $file"
done
outside=$(grep -v -e '^\./$' -e '^\./usr/' <<<"$listing" || true)
[[ -z "$outside" ]] || fail "outside /usr: $outside"
owners=$(dpkg-deb -c "$deb" | awk '$2 != "root/root"')
[[ -z "$owners" ]] || fail "files not owned by root: $owners"

# The control fields: what the binaries need, and what the program runs.
[[ $(dpkg-deb -f "$deb" Package) == tovradesktop ]] || fail "Package"
[[ $(dpkg-deb -f "$deb" Architecture) == amd64 ]] || fail "Architecture"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libjpeg62-turbo libgif7 libsodium23 libc6 \
    fonts-arphic-gbsn00lp xdg-utils qt6-qpa-plugins qt6-translations-l10n; do
    grep -qE "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *xscreensaver-data* ]] || fail "Recommends"

# lintian: errors fail; what else it says is shown (the README lists it).
lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
if grep -q '^E: ' "$scratch/lintian.log"; then
    fail "lintian found errors"
fi

# The unpacked program, as far as its main window, with a home of its own.
dpkg-deb -x "$deb" "$scratch/root"
home="$scratch/home"
mkdir -p "$home"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
program=""
trap 'kill $program $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 1 100); do
    [[ -s "$scratch/display" ]] && break
    sleep 0.1
done
display=":$(head -1 "$scratch/display")"
[[ $display != ":" ]] || fail "Xvfb did not start"

env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$display" LANG=C.UTF-8 \
    XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=xcb \
    "$scratch/root/usr/bin/TovraDesktop" >"$scratch/program.log" 2>&1 &
program=$!
window=""
for _ in $(seq 1 150); do
    window=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null |
        awk '/"TovraDesktop"/ && / 312x237/ { print $1; exit }')
    [[ -n "$window" ]] && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
done
if [[ -z "$window" ]]; then
    cat "$scratch/program.log"
    fail "the unpacked program showed no main window"
fi
echo "package $(basename "$deb"): contents, control fields and lintian checked; main window $window shown"
