#!/usr/bin/env bash
# Where the game's memory goes: peak RSS, and the heap at its highest split
# into the game's own allocations, the GL driver's (Mesa, its LLVM shader
# compiler, the GL dispatch libraries) and the other libraries' (SDL, X11,
# D-Bus, the module player, libjpeg). Plays one scripted minute: the menu, a
# Remover game in high detail at 1024 x 768, a Breakdown game, the options.
# Needs a display and heaptrack; run it as
#   xvfb-run -a -s "-screen 0 1280x1024x24" bench/memory.sh [GAME [DATA]]
set -euo pipefail
cd "$(dirname "$0")/.."
game=$(realpath "${1:-build/game/tornet3d}")
data=$(realpath "${2:-build/game/Data}")
x_helper=$(realpath build/tests/x_helper)

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -p "$folder/Data"
ln -s "$data/Resource.Ztr" "$folder/Data/Resource.Ztr"
ln -s "$data/Sounds" "$folder/Data/Sounds"

# Windowed 1024 x 768, high detail, sound and music on.
printf '2\n32\n0\n10\n2\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/Data/Config.Cfg"

# A point of the screens' 512 x 512 layout, origin bottom left, on the window.
click() {
  xdotool mousemove --window "$window" $(($1 * 1024 / 512)) $(((512 - $2) * 768 / 512)) click 1
  sleep "$3"
}

# Runs the game under COMMAND... through the scripted minute; prints the
# game's peak RSS in KiB, read just before it closes.
play() {
  (cd "$folder" && SDL_AUDIODRIVER=dummy exec "$@" "$game" >/dev/null 2>&1) &
  local runner=$! pid=
  window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Tornet 3D$' | head -1)
  pid=$(pgrep -n -f "^$game\$")
  xdotool windowfocus "$window"
  sleep 2
  click 77 312 2     # New Game
  click 375 404 15   # Remover: the rings drop in, then the board at rest
  xdotool key Escape
  sleep 1
  click 77 312 2     # New Game
  click 300 216 15   # Breakdown
  xdotool key Escape
  sleep 1
  click 275 180 3    # Options
  grep VmHWM "/proc/$pid/status" | awk '{ print $2 }'
  "$x_helper" close "$window"
  wait "$runner"
}

peak_rss=$(play env)
echo "peak RSS: $((peak_rss / 1024)) MiB"

play heaptrack -o "$folder/heap" >/dev/null
heaptrack_print "$folder/heap.zst" >"$folder/summary.txt"
grep -E "peak heap memory consumption" "$folder/summary.txt"

# Which library each unnamed address lies in, from heaptrack's own listing,
# then each stack's bytes at the peak, put in one of the three shares.
heaptrack_print -m 0 -p 1 -a 1 -T 1 -l 1 -n 100000000 "$folder/heap.zst" |
  awk '/^ *0x[0-9a-f]+$/ { address = $1; getline; if ($1 == "at") getline; if ($1 == "in") print address, $2 }' | sort -u >"$folder/modules.txt"
heaptrack_print --flamegraph-cost-type peak -F "$folder/stacks.txt" "$folder/heap.zst" >/dev/null
awk -f bench/heap_shares.awk "$folder/modules.txt" "$folder/stacks.txt"
