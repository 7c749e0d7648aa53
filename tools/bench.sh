#!/usr/bin/env bash
# Installs what is missing, builds the optimised benchmarks in their own folder and runs them.
# Arguments go to the benchmark, e.g. --benchmark_filter=Shuffle.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVELMORA_TOOLS=OFF \
  -DVELMORA_BENCH=ON >/dev/null
cmake --build build-bench --parallel "$(nproc)" --target velmora_bench
exec build-bench/bench/velmora_bench "$@"
