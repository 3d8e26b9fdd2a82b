#!/usr/bin/env bash
# Installs what is missing, builds, and starts the simulator from the folder
# that holds its help documents.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
build_dcsim
cd build/bin
exec ./dcsim
