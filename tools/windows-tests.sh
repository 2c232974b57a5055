#!/usr/bin/env bash
# Builds the Windows console programs with the MinGW-w64 cross compilers and
# runs the whole test suite on the 64-bit build under Wine. The 32-bit build
# is compiled and its programs checked to be PE32 console programs; it is not
# run, since that needs a 32-bit Wine.
#
# Needs g++-mingw-w64-x86-64-posix, g++-mingw-w64-i686-posix and wine64.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== 64-bit Windows build, tests under Wine"
cmake -S . -B build-win64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake
cmake --build build-win64

# A prefix of the build's own, a server that stays up between the tests (or
# each test would wait seconds for one), and the prefix made once before any
# test runs, or the first tests may hang while Wine sets it up.
export WINEPREFIX="$PWD/build-win64/wineprefix" WINEDEBUG=-all
unset DISPLAY
mkdir -p "$WINEPREFIX"
/usr/lib/wine/wineserver -p
trap '/usr/lib/wine/wineserver -k 2> /dev/null || true' EXIT
setarch "$(uname -m)" -R /usr/lib/wine/wine64 wineboot -i < /dev/null
ctest --test-dir build-win64 --output-on-failure -j2 --timeout 300

echo "== 32-bit Windows build"
cmake -S . -B build-win32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-i686.cmake
cmake --build build-win32
for program in counter/filox arraydemo/mutu arraydemo/galmee; do
    headers=$(i686-w64-mingw32-objdump -f -p "build-win32/$program.exe")
    if grep -q 'file format pei-i386' <<< "$headers" &&
        grep -q 'Subsystem.*(Windows CUI)' <<< "$headers"; then
        echo "$program.exe: PE32 console program"
    else
        echo "$program.exe: not a PE32 console program" >&2
        exit 1
    fi
done
