#!/usr/bin/env bash
# Builds the benchmarks (build-bench/, the program's own build type) and
# prints their figures next to the targets. --quick takes fewer samples.
# Everything runs on Qt's offscreen platform, the simulator and its baseline alike.
# --web: the web site's figures instead, in headless Chromium (build-web/).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
if [ "${1:-}" = "--web" ]; then
    shift
    ensure_packages "${BUILD_PACKAGES[@]}"
    ensure_packages --no-install-recommends "${WEB_PACKAGES[@]}"
    build_dcsim
    configure_web "$(realpath "${DCSIM_QT_WASM:-../shared/qt6-wasm}")"
    cmake --build build-web -j"$(nproc)" --target all web_empty
    exec node bench/web.mjs build-web/site build-web/bench "$@"
fi
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDCSIM_BENCH=ON -DBUILD_TESTING=OFF
cmake --build build-bench -j"$(nproc)" --target bench_run startup_dcsim startup_floor startup_empty
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 build-bench/bench/bench_run build-bench/bench "$@"
