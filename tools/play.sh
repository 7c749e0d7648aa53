#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}"
# Its own folder: the test build treats warnings as errors, but a newer compiler's new warning
# must not stop anyone from playing, and neither build reconfigures the other.
# Optimised, named here rather than left to the project's default so that an old cache cannot
# keep another: RelWithDebInfo is -O2 with debug information, for a readable crash report.
cmake -S . -B build-play -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DVELMORA_TOOLS=OFF \
  -DVELMORA_WERROR=OFF >/dev/null
cmake --build build-play --parallel "$(nproc)" --target velmora velmora_default_settings
exec build-play/app/velmora
