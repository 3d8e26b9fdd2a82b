#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test with CTest; then, in
# a sanitizer build, the short fuzzing and the random-input soak.
# --sanitize: the whole test suite in the sanitizer build as well.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${E2E_PACKAGES[@]}" "${INSTALL_TEST_PACKAGES[@]}"
build_dcsim -DBUILD_TESTING=ON
cd build
ctest --output-on-failure -j"$(nproc)"

# Robustness, in build-san/ (clang, AddressSanitizer, UndefinedBehaviorSanitizer).
cd ..
ensure_packages "${SANITIZE_PACKAGES[@]}"
export UBSAN_OPTIONS=print_stacktrace=1
if [ "${1:-}" = "--sanitize" ]; then
    build_sanitized
    (cd build-san && ctest --output-on-failure -j"$(nproc)")
else
    build_sanitized tst_soak fuzz_dcsim
    (cd build-san && ctest --output-on-failure -j"$(nproc)" -L robustness)
fi
