#!/bin/sh
# Builds the card painter and repaints every picture in ui/pictures/ and the
# theme icons in app/icons/.
# Usage: tools/cardgen/regenerate.sh [build-dir]   (default: build-art)
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-"$root/build-art"}
cmake -S "$root/tools/cardgen" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target velmora_cardgen -j"$(nproc)"
mkdir -p "$root/ui/pictures" "$root/app/icons"
QT_QPA_PLATFORM=offscreen "$build/velmora_cardgen" "$root/ui/pictures" "$root/app/icons"
