#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build -DBUILD_TESTING=ON -DVELMORA_TOOLS=ON -DVELMORA_WERROR=ON >/dev/null
cmake --build build --parallel "$(nproc)"
cd build
ctest --output-on-failure --parallel "$(nproc)"
