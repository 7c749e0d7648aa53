#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests with warnings as errors and runs
# every test. The card picture generator is left out: its pictures are committed.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake -S . -B build -DBUILD_TESTING=ON -DVELMORA_TOOLS=OFF -DVELMORA_WERROR=ON >/dev/null
cmake --build build --parallel "$(nproc)"
cd build
ctest --output-on-failure --parallel "$(nproc)"
