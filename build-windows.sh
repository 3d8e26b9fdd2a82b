#!/usr/bin/env bash
# Builds dcsim for 64-bit Windows on this Debian machine: cross-compiled with
# MinGW-w64 against the Qt for Windows in ../shared/qt6-mingw (or the folder
# DCSIM_QT_MINGW names) into build-win/, with the tools that run during the
# build taken from the Linux build in build/. Makes the setup program and the
# zip, then runs the unit tests and the setup program's test under Wine.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
qt=$(realpath "${DCSIM_QT_MINGW:-../shared/qt6-mingw}")
ensure_packages "${BUILD_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
build_dcsim
cmake -S . -B build-win -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
    -DCMAKE_TOOLCHAIN_FILE="$qt/toolchain-mingw64.cmake" -DCMAKE_PREFIX_PATH="$qt" \
    -DDCSIM_HOST_TOOLS="$PWD/build/dcsim-host-tools.cmake"
cmake --build build-win -j"$(nproc)"
(cd build-win && cpack)

# The unit tests' Wine prefix: made once, in Windows 10 mode, which Qt 6 needs.
export WINEPREFIX=$PWD/build-win/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    DISPLAY= wine wineboot -i >/dev/null 2>&1
    DISPLAY= wine winecfg -v win10 >/dev/null 2>&1
    wineserver -w
fi
cd build-win
ctest --output-on-failure -j"$(nproc)"
