#!/usr/bin/env bash
# How much of the processor the game takes while left alone on the main menu:
# the game's CPU time (all its threads, user and system) over 10 s, as cores
# used. Windowed 1024 x 768, texture quality 10, low detail, music off, on a
# 1280 x 1024 Xvfb screen of its own.
#   bench/idle_cpu.sh [GAME [DATA]]
# With MUSIC=1 the menu's music plays (into the dummy sound driver).
set -euo pipefail
cd "$(dirname "$0")/.."
game=$(realpath "${1:-build/game/tornet3d}")
data=$(realpath "${2:-build/game/Data}")
seconds=10
settle=3

# xdotool needs the game's display, so the rest runs inside the server.
if [ -z "${IDLE_CPU_DISPLAY_READY:-}" ]; then
  exec env IDLE_CPU_DISPLAY_READY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$game" "$data"
fi

folder=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null || true
  fi
  rm -rf "$folder"
}
trap cleanup EXIT
mkdir -p "$folder/Data"
ln -s "$data/Resource.Ztr" "$folder/Data/Resource.Ztr"
ln -s "$data/Sounds" "$folder/Data/Sounds"
printf '2\n32\n0\n10\n1\n1\n%s\n16384\n50\n0\n1\n1\nscr.tga\n' "${MUSIC:-0}" >"$folder/Data/Config.Cfg"

(cd "$folder" && SDL_AUDIODRIVER=dummy exec "$game" >/dev/null 2>${IDLE_CPU_STDERR:-/dev/null}) &
pid=$!
timeout 60 xdotool search --sync --onlyvisible --name '^Tornet 3D$' >/dev/null
# The loading pictures come first; the menu is up a moment after the window.
sleep "$settle"

# utime and stime, fields 14 and 15 of a stat file (after the command's
# closing parenthesis, which may hide spaces), in clock ticks: the process's
# own counts every thread, living or ended; each thread's gives the split.
ticks_of() { sed 's/.*) //' "$1" | awk '{ print $12 + $13 }'; }
threads() {
  for task in /proc/"$pid"/task/*; do
    echo "$(basename "$task") $(cat "$task/comm" | tr ' ' _) $(ticks_of "$task/stat" 2>/dev/null || echo 0)"
  done
}

before=$(ticks_of "/proc/$pid/stat")
threads >"$folder/threads.before"
start=$(date +%s.%N)
sleep "$seconds"
after=$(ticks_of "/proc/$pid/stat")
threads >"$folder/threads.after"
end=$(date +%s.%N)
hz=$(getconf CLK_TCK)
awk -v ticks=$((after - before)) -v hz="$hz" -v start="$start" -v end="$end" \
  'BEGIN { printf "main menu, idle: %.2f cores (CPU time %.2f s over %.2f s)\n", ticks / hz / (end - start), ticks / hz, end - start }'
# The split by thread name (the main thread carries the program's name).
awk -v hz="$hz" -v start="$start" -v end="$end" '
  NR == FNR { was[$1] = $3; next }
  { used[$2] += $3 - was[$1] }
  END { for (name in used) if (used[name] > 0) printf "  %-16s %.2f cores\n", name, used[name] / hz / (end - start) }
' "$folder/threads.before" "$folder/threads.after" | sort -k2 -rn
