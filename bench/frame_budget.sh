#!/usr/bin/env bash
# Every screen's frame at 1024 x 768, and a Remover board whose rings turn,
# against the budget: at most 16.7 ms (60 frames a second) and at most 2.5
# times the floor (clearing, one full-window picture, the swap) measured in
# the same run. Extra arguments go to bench_app,
# e.g. --benchmark_filter='Floor|OConfig'.
#   bench/frame_budget.sh [BUILD_DIR] [bench_app arguments...]
set -euo pipefail
build=${1:-build}
shift || true
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/bench_app" \
  --benchmark_filter='mode:2(/detail:.)?/repeats|RemoverTurning|BackgroundFloor/mode:2' "$@" 2>/dev/null |
  awk '
    /_median/ {
      name = $1; sub(/\/repeats:3_median/, "", name); sub(/^BM_/, "", name)
      ms[++n] = $2; names[n] = name
      if (name ~ /^BackgroundFloor/) floor = $2
    }
    END {
      if (floor == "") { print "no floor in this run"; exit 1 }
      printf "%-42s %8s %8s  %s\n", "frame", "ms", "x floor", "within budget"
      over = 0
      for (i = 1; i <= n; i++) {
        ratio = ms[i] / floor
        ok = (ms[i] <= 16.7 && ratio <= 2.5) ? "yes" : "NO"
        if (names[i] ~ /^BackgroundFloor/) ok = ""
        else if (ok == "NO") over++
        printf "%-42s %8.2f %8.2f  %s\n", names[i], ms[i], ratio, ok
      }
      exit over > 0
    }'
