#!/usr/bin/env bash
# Installs what is missing, builds the optimised game, the floor program and the benchmarks in
# build-bench/, and measures everything in one go: the engine's speed and the computer's
# strength headless, then the real window's start-up, memory, CPU and timing on its own Xvfb
# display, and its start-up as a native client of a headless weston. Prints one table and writes it, with the strength table, to
# build-bench/bench-results.md.
#
# VELMORA_BENCH_RUNS: start-ups of the game and of the floor each, alternating (default 9).
# VELMORA_BENCH_DISPLAY: the X display to start Xvfb on (default :71).
# VELMORA_BENCH_GAMES: games per cell of the strength table (default 10000).
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${BENCH_BUILD_PACKAGES[@]}" "${BENCH_RUN_PACKAGES[@]}"

runs=${VELMORA_BENCH_RUNS:-9}
display=${VELMORA_BENCH_DISPLAY:-:71}
games=${VELMORA_BENCH_GAMES:-10000}
out=build-bench
# The game as tools/play.sh builds it: RelWithDebInfo, -O2.
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DVELMORA_TOOLS=OFF \
  -DVELMORA_BENCH=ON >/dev/null
# Two jobs at most: the machine is shared, and a busy one skews the timings that follow.
echo "Building in $out/ ..."
if ! cmake --build "$out" --parallel 2 --target velmora velmora_default_settings velmora_bench \
  velmora_strength velmora_floor velmora_xprobe >"$out/build.log" 2>&1; then
  tail -n 30 "$out/build.log" >&2
  exit 1
fi

figures="$out/bench-figures.txt"
: >"$figures"

echo "Engine: whole games, the deal and the settings read on one core ..."
# One core, three repetitions; the median of each.
taskset -c 0 "$out/bench/velmora_bench" --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_out_format=csv \
  --benchmark_out="$out/engine.csv" >/dev/null
awk -F, '/_median"?,/ {
  gsub(/"/, "", $1)
  if ($1 ~ /^FullGames\/memory:/) { split($1, p, /[:_]/); print "games_per_s_" p[2], $7 }
  if ($1 ~ /^ShuffleAndDeal/) print "deal_us", $4 / 1000
  if ($1 ~ /^SettingsReadOfAHugeFile/) print "settings_read_ms", $4
}' "$out/engine.csv" >>"$figures"

echo "Strength: $games games per level and player ..."
"$out/bench/velmora_strength" "$games" >"$out/strength.md"

echo "The real window on Xvfb $display ..."
if [[ -e "/tmp/.X${display#:}-lock" ]]; then
  echo "display $display is taken: set VELMORA_BENCH_DISPLAY to a free one" >&2
  exit 1
fi
Xvfb "$display" -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb=$!
runtime=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
  [[ -S "/tmp/.X11-unix/X${display#:}" ]] && break
  sleep 0.1
done
if [[ ! -S "/tmp/.X11-unix/X${display#:}" ]]; then
  echo "bench.sh: Xvfb opened no display $display within 10 s (log: $out/xvfb.log)" >&2
  exit 1
fi
export DISPLAY=$display XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM
game="$PWD/$out/app/velmora"
floor="$PWD/$out/bench/velmora_floor"
# A desktop has a session bus; without one, every Qt program would start one of its own.
probe() { dbus-run-session -- "$out/bench/velmora_xprobe" "$@" 2>>"$out/xprobe.log"; }
echo "  start-up, $runs runs each ..."
probe startup "$runs" "$game" "Velmora Concentration" "$floor" "Velmora Floor" >>"$figures"
# The game in German loads its translation and Qt's; the floor, in the same pass, loads none.
echo "  start-up in German, $runs runs each ..."
LANGUAGE=de probe startup "$runs" "$game" "Velmora Concentration" "$floor" "Velmora Floor" |
  sed 's/^/de_/' >>"$figures"
echo "  peak memory ..."
probe memory 7 "$game" "Velmora Concentration" "$floor" "Velmora Floor" >>"$figures"
echo "  idle, a turn of the computer's, clicks and pauses (about a minute) ..."
probe play "$game" "Velmora Concentration" >>"$figures"
echo "  start-up on Wayland, a headless weston, $runs runs each ..."
/usr/bin/python3 bench/wayland_startup.py "$runs" "$game" "$floor" >>"$figures"

bash bench/table.sh "$figures" "$out/strength.md" | tee "$out/bench-results.md"
echo
echo "Written to $out/bench-results.md"
