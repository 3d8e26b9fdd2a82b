#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${E2E_PACKAGES[@]}"
build_dcsim -DBUILD_TESTING=ON
cd build
ctest --output-on-failure -j"$(nproc)"
