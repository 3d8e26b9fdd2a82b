#!/usr/bin/env bash
# Builds dcsim for the browser: compiled to WebAssembly with Debian's
# emscripten against the Qt for WebAssembly in ../shared/qt6-wasm (or the
# folder DCSIM_QT_WASM names) into build-web/, with the tools that run during
# the build taken from the Linux build in build/. Leaves the web site in
# build-web/site/, a folder any static web server can host, and runs the web
# tests: the core's test under node, the site in headless Chromium against
# the desktop program.
#   ./build-web.sh           builds and tests
#   ./build-web.sh --serve   then serves the site on 127.0.0.1 (port DCSIM_PORT, 8000)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
qt=$(realpath "${DCSIM_QT_WASM:-../shared/qt6-wasm}")
ensure_packages "${BUILD_PACKAGES[@]}"
ensure_packages --no-install-recommends "${WEB_PACKAGES[@]}"
# The desktop program and the tests' child program: what the page is held to.
build_dcsim -DBUILD_TESTING=ON
configure_web "$qt"
cmake --build build-web -j"$(nproc)"
(cd build-web && ctest --output-on-failure)
if [ "${1:-}" = "--serve" ]; then
    echo "The site: http://127.0.0.1:${DCSIM_PORT:-8000}/ (Ctrl+C ends it)"
    exec python3 -m http.server --bind 127.0.0.1 --directory build-web/site "${DCSIM_PORT:-8000}"
fi
