#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
# Same options as the test build, so switching between the two rebuilds nothing.
cmake -S . -B build -DBUILD_TESTING=OFF -DVELMORA_TOOLS=ON -DVELMORA_WERROR=ON >/dev/null
cmake --build build --parallel "$(nproc)" --target velmora velmora_default_settings
exec build/app/velmora
