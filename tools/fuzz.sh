#!/usr/bin/env bash
# Installs what is missing, builds the libFuzzer targets with clang and the address and
# undefined-behaviour sanitizers in build-fuzz/, and runs each on a copy of its corpus from
# tests/fuzz/corpus/, so the repository never gains files. The argument is the total time in
# seconds, shared out among the targets (default 60). Fails on any crash, leak, sanitizer
# report or broken property; the input that did it is kept in build-fuzz/crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

total=${1:-60}
targets=(settings_fuzz number_fuzz)
seconds=$((total / ${#targets[@]}))
((seconds >= 1)) || seconds=1

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER="clang++-$LLVM_VERSION" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DVELMORA_TOOLS=OFF -DVELMORA_FUZZ=ON >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"

export ASAN_SYMBOLIZER_PATH="/usr/lib/llvm-$LLVM_VERSION/bin/llvm-symbolizer"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p build-fuzz/crashes
failed=0
for target in "${targets[@]}"; do
  name=${target%_fuzz}
  mkdir "$work/$name"
  cp tests/fuzz/corpus/"$name"/* "$work/$name"/
  log=build-fuzz/$target.log
  echo "== $target: $seconds s"
  # -timeout: an input that takes seconds is a fault too.
  if build-fuzz/tests/fuzz/"$target" "$work/$name" -dict=tests/fuzz/"$name".dict \
    -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/crashes/"$target"- >"$log" 2>&1; then
    result="no crash"
  else
    result="FAILED"
    failed=1
    grep -E -A 40 "^==[0-9]+==|Broken:|runtime error|ERROR: libFuzzer" "$log" | head -n 80 || true
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  echo "$target: ${executions:-?} executions in $seconds s, $result (log: $log)"
done
exit "$failed"
