#!/usr/bin/env bash
# End-to-end tests of the real game binary under an X server, driven as a
# player would: xdotool for input, ImageMagick for screenshots.
#   game_tests.sh TEST GAME DATA X_HELPER [SCORE_WRITER]
# TEST is one of the functions below; GAME the binary, DATA the folder with
# Resource.Ztr and Sounds/, X_HELPER the helper that adds display modes and
# closes windows, SCORE_WRITER the writer of top-ten files. Every test plays
# in a fresh game folder of its own.
# Tests that need a display expect one in DISPLAY (CTest runs them under
# xvfb-run); the full-screen test starts its own server.
set -uo pipefail

test_name=$1
window=
game=$2
data=$3
x_helper=$4
score_writer=${5:-}

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

# Pixels that differ between two screenshots in a region WxH+X+Y of the screen.
changed_pixels() {
  local a=$1 b=$2 region=$3
  convert "$a" -crop "$region" +repage "$folder/region-a.png"
  convert "$b" -crop "$region" +repage "$folder/region-b.png"
  compare -metric AE -fuzz 10% "$folder/region-a.png" "$folder/region-b.png" null: 2>&1 | cut -d' ' -f1
}

shot() { import -window root "$folder/$1.png" 2>/dev/null || fail "no screenshot"; }

# A point of the screens' 512 x 512 layout, origin bottom left, as a pixel of the 800 x 600 window.
layout_x() { echo $(($1 * 800 / 512)); }
layout_y() { echo $(((512 - $1) * 600 / 512)); }

click_layout() {
  xdotool mousemove --window "$window" "$(layout_x "$1")" "$(layout_y "$2")"
  sleep 0.3
  xdotool click 1
  sleep "${3:-1}"
}

start_windowed_game() {
  make_folder
  printf '1\n32\n0\n10\n1\n1\n0\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/Data/Config.Cfg"
  start_game
  window=$(wait_for_window)
  xdotool windowfocus "$window"
  sleep 1.5
}

# The window stands centred on the 1024 x 768 screen.
board_region="400x400+312+184"
score_region="160x40+112+84"

test_play_remover() {
  start_windowed_game
  shot menu
  click_layout 77 312      # New Game
  click_layout 375 404 3   # Remover; the rings drop in
  shot board
  [ "$(changed_pixels "$folder/menu.png" "$folder/board.png" "$board_region")" -gt 20000 ] ||
    fail "no board after choosing Remover"
  # The deal is random: a block without neighbours of its colour removes
  # nothing, so the player tries a few blocks until a group goes.
  local scored=0
  for point in "400 330" "380 300" "420 360" "400 270" "360 390" "440 300"; do
    xdotool mousemove --window "$window" $point
    sleep 0.5
    xdotool click 1
    sleep 2
    shot clicked
    if [ "$(changed_pixels "$folder/board.png" "$folder/clicked.png" "$score_region")" -gt 20 ]; then
      scored=1
      break
    fi
  done
  [ "$scored" = 1 ] || fail "no click changed the score"
  [ "$(changed_pixels "$folder/board.png" "$folder/clicked.png" "$board_region")" -gt 300 ] ||
    fail "a click changed nothing on the board"
  xdotool mousedown 3
  sleep 0.8
  xdotool mouseup 3
  sleep 1.5
  shot turned
  [ "$(changed_pixels "$folder/clicked.png" "$folder/turned.png" "$board_region")" -gt 300 ] ||
    fail "holding the right button turned nothing"
  xdotool key Escape
  sleep 1
  shot menu_again
  [ "$(changed_pixels "$folder/menu.png" "$folder/menu_again.png" "120x60+172+104")" -gt 200 ] ||
    fail "the menu shows no continue button"
  click_layout 77 448 1.5   # Continue
  shot continued
  [ "$(changed_pixels "$folder/turned.png" "$folder/continued.png" "$board_region")" -lt 3000 ] ||
    fail "continue did not bring back the same board"
  "$x_helper" close "$window"
  expect_exit 0
}

test_play_breakdown() {
  start_windowed_game
  click_layout 77 312       # New Game
  click_layout 300 216 3    # Breakdown; the bottom rings drop in
  shot started
  sleep 8                   # more than one row at level 1
  shot risen
  [ "$(changed_pixels "$folder/started.png" "$folder/risen.png" "$board_region")" -gt 1000 ] ||
    fail "no row rose"
  "$x_helper" close "$window"
  expect_exit 0
}

# The help pages' text, between the title and the arrows.
help_text_region="600x400+212+168"

test_help_pages() {
  start_windowed_game
  shot menu
  click_layout 143 58      # Help
  shot page1
  [ "$(changed_pixels "$folder/menu.png" "$folder/page1.png" "$help_text_region")" -gt 20000 ] ||
    fail "no help page after the help button"
  local page
  for page in 2 3 4; do
    click_layout 307 46    # the forward arrow
    shot "page$page"
    [ "$(changed_pixels "$folder/page$((page - 1)).png" "$folder/page$page.png" "$help_text_region")" -gt 2000 ] ||
      fail "the forward arrow did not turn to page $page"
  done
  click_layout 205 46      # the back arrow
  shot back
  [ "$(changed_pixels "$folder/page4.png" "$folder/back.png" "$help_text_region")" -gt 2000 ] ||
    fail "the back arrow did not turn the page"
  [ "$(changed_pixels "$folder/page3.png" "$folder/back.png" "$help_text_region")" -lt 200 ] ||
    fail "the back arrow did not bring back the goodies page"
  click_layout 256 46      # Menu
  shot menu_again
  [ "$(changed_pixels "$folder/menu.png" "$folder/menu_again.png" "$help_text_region")" -lt 2000 ] ||
    fail "the menu button did not go back to the menu"
  "$x_helper" close "$window"
  expect_exit 0
}

# On a 1280 x 1024 screen: "1024 x 768" chosen on the options screen and ok
# make the window that size, and the settings file keeps the new mode. The
# skin setting names no skin: the game starts all the same, and the setting
# stays until the player picks a skin.
test_options_resolution() {
  make_folder
  printf '1\n32\n0\n10\n1\n1\n0\n16384\n50\n0\n1\n1\nold.tga\n' >"$folder/Data/Config.Cfg"
  start_game
  window=$(wait_for_window)
  xdotool windowfocus "$window"
  sleep 1.5
  click_layout 275 180      # Options
  click_layout 290 418      # the resolution stack steps to "1024 x 768"
  click_layout 180 50 3     # ok: the window is made anew
  local geometry mode
  window=$(wait_for_window)
  geometry=$(xdotool getwindowgeometry --shell "$window" | tr '\n' ' ')
  eval "$geometry"
  [ "$WIDTH" = 1024 ] && [ "$HEIGHT" = 768 ] || fail "the window is ${WIDTH}x${HEIGHT} after ok"
  mode=$(head -1 "$folder/Data/Config.Cfg")
  [ "$mode" = 2 ] || fail "the settings file holds display mode $mode"
  [ "$(tail -1 "$folder/Data/Config.Cfg")" = old.tga ] || fail "the skin setting was rewritten"
  "$x_helper" close "$window"
  expect_exit 0
}

# The table's question region: the frame round "Are you sure to clear all records?".
question_region="530x90+260+326"
# The first two rows of a table.
rows_region="570x70+232+190"

test_top_ten_clear() {
  make_folder
  "$score_writer" "$folder/Data/rScore.dat" "Ann Lee" 1 4200 Bo 0 37 || fail "no score file to start from"
  cp "$folder/Data/rScore.dat" "$folder/written.dat"
  printf '1\n32\n0\n10\n1\n1\n0\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/Data/Config.Cfg"
  start_game
  window=$(wait_for_window)
  xdotool windowfocus "$window"
  sleep 1.5
  click_layout 71 181      # Top 10
  shot table
  click_layout 430 46      # Clear
  shot question
  [ "$(changed_pixels "$folder/table.png" "$folder/question.png" "$question_region")" -gt 500 ] ||
    fail "clear asked no question"
  click_layout 300 50      # Cancel
  shot cancelled
  [ "$(changed_pixels "$folder/table.png" "$folder/cancelled.png" "$question_region")" -lt 200 ] ||
    fail "cancel did not go back to the table"
  cmp -s "$folder/Data/rScore.dat" "$folder/written.dat" || fail "cancel changed the score file"
  click_layout 430 46      # Clear
  click_layout 180 50      # OK
  [ -f "$folder/Data/rScore.dat" ] && [ ! -s "$folder/Data/rScore.dat" ] || fail "ok left the score file as it was"
  [ ! -e "$folder/Data/cScore.dat" ] || fail "the other table was written"
  shot cleared
  [ "$(changed_pixels "$folder/table.png" "$folder/cleared.png" "$rows_region")" -gt 100 ] ||
    fail "the cleared table still shows its rows"
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
