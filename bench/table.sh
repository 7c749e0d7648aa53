#!/usr/bin/env bash
# Turns the figures tools/bench.sh gathered ("key value" lines) into the Markdown results:
# one table of figures with their goals, then the computer's strength table.
# Usage: bench/table.sh FIGURES STRENGTH_TABLE
set -euo pipefail
figures=$1
strength=$2
host="$(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
echo "Measured $(date -u +%Y-%m-%d) on $host: Xvfb at 96 dpi, Qt $(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null | cut -d+ -f1)."
echo
awk '
function v(k) { if (!(k in f)) { missing = missing " " k; return "nan" } return f[k] }
function met(ok) { return ok ? "yes" : "**no**" }
function row(measure, game, floor, goal, ok) {
  printf "| %s | %s | %s | %s | %s |\n", measure, game, floor, goal, ok
}
function pause(name, key, expected) {
  row(sprintf("%s: error, median [min, max] of %d (ms)", name, v(key "_samples")),
      sprintf("%+.1f [%+.1f, %+.1f]", v(key "_error_median"), v(key "_error_min"), v(key "_error_max")),
      "", "within ±10 ms",
      met(v(key "_error_min") >= -10 && v(key "_error_max") <= 10))
}
{ f[$1] = $2 }
END {
  print "| Measure | Velmora | Floor | Goal | Met |"
  print "| --- | ---: | ---: | --- | --- |"
  row(sprintf("Start-up to window mapped, median of %d (ms)", v("startup_runs")),
      sprintf("%.1f (%.2fx)", v("game_map_ms"), v("map_ratio")), sprintf("%.1f", v("floor_map_ms")),
      "at most 1.1x the floor", met(v("map_ratio") <= 1.1))
  row(sprintf("Start-up to first paint, median of %d (ms)", v("startup_runs")),
      sprintf("%.1f (%.2fx)", v("game_paint_ms"), v("paint_ratio")),
      sprintf("%.1f", v("floor_paint_ms")), "at most 1.1x the floor", met(v("paint_ratio") <= 1.1))
  row(sprintf("Start-up in German (LANGUAGE=de) to first paint, median of %d (ms)",
              v("de_startup_runs")),
      sprintf("%.1f (%.2fx)", v("de_game_paint_ms"), v("de_paint_ratio")),
      sprintf("%.1f", v("de_floor_paint_ms")), "at most 1.1x the floor",
      met(v("de_paint_ratio") <= 1.1))
  row(sprintf("Start-up on Wayland (headless weston) to the first frame, median of %d (ms)",
              v("wayland_runs")),
      sprintf("%.1f (%.2fx)", v("wayland_game_ms"), v("wayland_ratio")),
      sprintf("%.1f", v("wayland_floor_ms")), "at most 1.1x the floor",
      met(v("wayland_ratio") <= 1.1))
  row(sprintf("Peak RSS, median of %d (MB)", v("memory_runs")),
      sprintf("%.1f (%+.1f)", v("game_peak_mb"), v("peak_over_floor_mb")),
      sprintf("%.1f", v("floor_peak_mb")), "at most the floor + 4 MB",
      met(v("peak_over_floor_mb") <= 4))
  row(sprintf("CPU waiting for the player, %.0f s (%% of a core)", v("idle_seconds")),
      sprintf("%.3f", v("idle_cpu_percent")), "", "0.0 %", met(v("idle_cpu_percent") < 0.05))
  row(sprintf("CPU through the computer%ss turn, %.0f s (%% of a core)", "\047", v("turn_seconds")),
      sprintf("%.3f", v("turn_cpu_percent")), "", "at most 0.5 %", met(v("turn_cpu_percent") <= 0.5))
  row(sprintf("Click to the face on screen, median / max of %d (ms)", v("click_samples")),
      sprintf("%.1f / %.1f", v("click_to_face_ms_median"), v("click_to_face_ms_max")), "",
      "within one frame (16 ms)", met(v("click_to_face_ms_max") <= 16))
  pause("Pause 0.75 s after a card", "pause_750ms", 0.75)
  pause("Pause 2 s, a pair on show", "pause_2000ms", 2)
  pause("Pauses 0.75 s + 2 s before the computer plays", "pause_2750ms", 2.75)
  row("Shuffle notice 3 s, map to unmap: error, median [min, max] of 3 (ms)",
      sprintf("%+.1f [%+.1f, %+.1f]", v("shuffle_notice_ms_median") - 3000,
              v("shuffle_notice_ms_min") - 3000, v("shuffle_notice_ms_max") - 3000), "",
      "within ±10 ms",
      met(v("shuffle_notice_ms_min") >= 2990 && v("shuffle_notice_ms_max") <= 3010))
  split("5 Beginner 10 Intermediate 15 Advanced", lv, " ")
  for (i = 1; i <= 6; i += 2) {
    row(sprintf("Whole games a second against the computer, %s (%d cards), one core",
                lv[i + 1], lv[i]),
        sprintf("%.0f", v("games_per_s_" lv[i])), "", "at least 20,000",
        met(v("games_per_s_" lv[i]) >= 20000))
  }
  row("Shuffle and deal, one core (µs)", sprintf("%.2f", v("deal_us")), "", "", "")
  row("Settings read at start-up, a 10 MiB file, one core (ms)",
      sprintf("%.1f", v("settings_read_ms")), "", "at most 100 ms", met(v("settings_read_ms") <= 100))
  if (missing != "") { print "missing figures:" missing > "/dev/stderr"; exit 1 }
}' "$figures"
echo
echo "The computer's win rate (a tie goes to the player):"
echo
cat "$strength"
