#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests with warnings as errors and runs
# every test; then builds the tests again with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs them all once more. The card picture generator is left out: its pictures are
# committed. Exits non-zero when either pass fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" \
  "${BLACKBOX_PACKAGES[@]}" "${BENCH_BUILD_PACKAGES[@]}"

# The bench programs are built here too, so a warning in them fails the run; they are timings,
# not tests, and run only from tools/bench.sh.
cmake -S . -B build -DBUILD_TESTING=ON -DVELMORA_TOOLS=OFF -DVELMORA_WERROR=ON -DVELMORA_BENCH=ON \
  >/dev/null
cmake --build build --parallel "$(nproc)"
(cd build && ctest --output-on-failure --parallel "$(nproc)")

# The sanitizer pass, in its own folder so that neither pass rebuilds the other. A debug build:
# the quickest to compile, and the optimiser removes no faulty access before it is checked.
# Only the tests are built; the game itself is checked for warnings by the first pass.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON -DVELMORA_TOOLS=OFF \
  -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON >/dev/null
# Set before the build too: test discovery runs the test programs as they are linked. Every
# report ends its program with a failure. Handlers wait in pauses and are unwound by a new game,
# so a local used after its frame is gone is checked too, as is the order of static set-up.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
cmake --build build-asan --parallel "$(nproc)" --target velmora_logic_tests velmora_ui_tests
(cd build-asan && ctest --output-on-failure --parallel "$(nproc)")
