#!/usr/bin/env bash
# End-to-end tests of the real game binary under an X server, driven as a
# player would: xdotool for input, ImageMagick for screenshots.
#   game_tests.sh TEST GAME DATA X_HELPER
# TEST is one of the functions below; GAME the binary, DATA the folder with
# Resource.Ztr and Sounds/, X_HELPER the helper that adds display modes and
# closes windows. Every test plays in a fresh game folder of its own.
# Tests that need a display expect one in DISPLAY (CTest runs them under
# xvfb-run); the full-screen test starts its own server.
set -uo pipefail

test_name=$1
game=$2
data=$3
x_helper=$4

folder=$(mktemp -d)
game_pid=
server_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  rm -rf "$folder"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$folder/Report.html" ] && sed 's/<[^>]*>//g' "$folder/Report.html" >&2
  exit 1
}

# A game folder as a player's: the data linked in, no settings yet.
make_folder() {
  mkdir -p "$folder/Data"
  ln -s "$data/Resource.Ztr" "$folder/Data/Resource.Ztr"
  ln -s "$data/Sounds" "$folder/Data/Sounds"
}

start_game() {
  (cd "$folder" && SDL_AUDIODRIVER=dummy exec "$game" >"$folder/stdout" 2>"$folder/stderr") &
  game_pid=$!
}

# Waits for the game's window and prints its id.
wait_for_window() {
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tornet 3D$' | head -1)
  [ -n "$window" ] || fail "the window never showed"
  echo "$window"
}

# Waits for the game to end and checks its exit status.
expect_exit() {
  local want=$1 status
  for _ in $(seq 1 300); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  wait "$game_pid"
  status=$?
  game_pid=
  [ "$status" -eq "$want" ] || fail "exit status $status, expected $want; stderr: $(cat "$folder/stderr")"
}

# Mean red, green and blue (0..1) of a region of the screen.
mean_colour() {
  local region=$1
  import -window root -crop "$region" "$folder/shot.png" 2>/dev/null || fail "no screenshot"
  convert "$folder/shot.png" -format '%[fx:mean.r] %[fx:mean.g] %[fx:mean.b]' info:
}

log_has() { grep -q "$1" "$folder/Report.html" || fail "the log has no line \"$1\""; }

test_first_start() {
  make_folder
  start_game
  local window
  window=$(wait_for_window)
  sleep 2
  printf '0\n16\n1\n10\n1\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/expected.cfg"
  cmp -s "$folder/Data/Config.Cfg" "$folder/expected.cfg" || fail "Data/Config.Cfg is not the default file"
  # The menu's background: a deep violet sky, far from the black of the loading screen.
  local geometry red green blue
  geometry=$(xdotool getwindowgeometry --shell "$window" | tr '\n' ' ')
  eval "$geometry"
  read -r red green blue <<<"$(mean_colour "${WIDTH}x${HEIGHT}+${X}+${Y}")"
  awk -v r="$red" -v g="$green" -v b="$blue" 'BEGIN { exit !(b > 0.15 && b > g && r > g) }' ||
    fail "the window does not show the menu background (mean colour $red $green $blue)"
  log_has "App Constructor"
  log_has "Rendering content: Ok"
  # Read whole first: grep -q stopping early would make xprop die of a broken pipe.
  local icon
  icon=$(xprop -id "$window" _NET_WM_ICON)
  grep -q "Icon (64 x 64)" <<<"$icon" || fail "the window has no icon"
  "$x_helper" close "$window" || fail "the close request could not be sent"
  expect_exit 0
  grep -q "Total Errors = 0" "$folder/Report.html" || fail "the log does not close with no errors"
}

test_missing_archive() {
  mkdir -p "$folder/Data"
  ln -s "$data/Sounds" "$folder/Data/Sounds"
  # Without a display the message goes to standard error.
  (cd "$folder" && env -u DISPLAY SDL_AUDIODRIVER=dummy "$game" >"$folder/stdout" 2>"$folder/stderr") &
  game_pid=$!
  expect_exit 3
  grep -q "We are handle exception! Game files are missing or corrupted!" "$folder/stderr" ||
    fail "no message on standard error: $(cat "$folder/stderr")"
}

test_windowed_800x600() {
  make_folder
  printf '1\n32\n0\n10\n1\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/Data/Config.Cfg"
  start_game
  local window geometry
  window=$(wait_for_window)
  sleep 1
  geometry=$(xdotool getwindowgeometry --shell "$window" | tr '\n' ' ')
  eval "$geometry"
  [ "$WIDTH" = 800 ] && [ "$HEIGHT" = 600 ] || fail "the window is ${WIDTH}x${HEIGHT}"
  # Centred on the 1024 x 768 screen.
  [ "$X" = 112 ] && [ "$Y" = 84 ] || fail "the window stands at $X,$Y"
  "$x_helper" close "$window"
  expect_exit 0
}

test_full_screen() {
  local server_log="$folder/xvfb.log" display_file="$folder/display"
  Xvfb -noreset -screen 0 1024x768x24 -displayfd 3 3>"$display_file" >"$server_log" 2>&1 &
  server_pid=$!
  for _ in $(seq 1 50); do [ -s "$display_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(cat "$display_file")"
  "$x_helper" add-modes || fail "the display modes could not be added"
  make_folder
  printf '1\n32\n1\n10\n1\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/Data/Config.Cfg"
  start_game
  local window size
  window=$(wait_for_window)
  sleep 1
  size=$("$x_helper" screen-size)
  [ "$size" = 800x600 ] || fail "the screen is $size while the game runs full screen"
  "$x_helper" close "$window"
  expect_exit 0
  size=$("$x_helper" screen-size)
  [ "$size" = 1024x768 ] || fail "the screen stayed at $size after the game"
}

"test_$test_name"
echo "PASS: $test_name"
