#!/usr/bin/env bash
# End-to-end tests of the real game binary under an X server, driven as a
# player would: xdotool for input, ImageMagick for screenshots.
#   game_tests.sh TEST GAME DATA X_HELPER [SCORE_WRITER]
# TEST is one of the functions below; GAME the binary, DATA the folder with
# Resource.Ztr and Sounds/, X_HELPER the helper that closes windows,
# SCORE_WRITER the writer of top-ten files. Every test plays in a fresh game
# folder of its own.
# Tests that need a display expect one in DISPLAY (CTest runs them under
# xvfb-run, each with the screen size it needs).
set -uo pipefail

test_name=$1
window=
game=$2
data=$3
x_helper=$4
score_writer=${5:-}

folder=$(mktemp -d)
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null
  rm -rf "$folder"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -n "$game_pid" ]; then
    if kill -0 "$game_pid" 2>/dev/null; then
      echo "The game is still running; the server's windows:" >&2
      xwininfo -root -tree 2>&1 | head -n 20 >&2
    else
      echo "The game has ended; the end of what it printed:" >&2
      tail -n 40 "$folder/stderr" >&2
    fi
  fi
  [ -f "$folder/Report.html" ] && sed 's/<[^>]*>//g' "$folder/Report.html" >&2
  exit 1
}

# A game folder as a player's: the data linked in, no settings yet.
make_folder() {
  mkdir -p "$folder/Data"
  ln -s "$data/Resource.Ztr" "$folder/Data/Resource.Ztr"
  ln -s "$data/Sounds" "$folder/Data/Sounds"
}

# X11 only: a game that cannot reach the test's server fails at once, instead
# of drawing through another video driver where no test can see it.
start_game() {
  (cd "$folder" && SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy exec "$game" >"$folder/stdout" 2>"$folder/stderr") &
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

# Mean colours (red, green, blue, 0..1) of the menu's deep violet sky, and of black.
is_menu_background() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(b > 0.15 && b > g && r > g) }'; }
is_black() { awk -v r="$1" -v g="$2" -v b="$3" 'BEGIN { exit !(r + g + b < 0.01) }'; }

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
  is_menu_background "$red" "$green" "$blue" ||
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
  grep -q "^Log file closed: " "$folder/Report.html" || fail "the report was left open: $(cat "$folder/Report.html")"
}

test_unreachable_display() {
  make_folder
  (cd "$folder" && DISPLAY=:999 SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$game" >"$folder/stdout" 2>"$folder/stderr") &
  game_pid=$!
  expect_exit 1
  grep -q "Can't register window class" "$folder/stderr" || fail "no message on standard error: $(cat "$folder/stderr")"
  log_has "No video: ." # and why
}

# Pixels that differ between two screenshots in a region WxH+X+Y of the screen.
changed_pixels() {
  local a=$1 b=$2 region=$3
  convert "$a" -crop "$region" +repage "$folder/region-a.png"
  convert "$b" -crop "$region" +repage "$folder/region-b.png"
  # Large counts come as 1.2e+06.
  compare -metric AE -fuzz 10% "$folder/region-a.png" "$folder/region-b.png" null: 2>&1 | awk '{ printf "%d\n", $1 }'
}

# Where the game's picture shows, in the window's pixels: the whole of a
# window, or the largest centred 4:3 area of a full screen. Clicks name a
# point of the screens' 512 x 512 layout, origin bottom left, which spans the
# picture whatever resolution it is drawn at.
area_width=800
area_height=600
area_x=0
area_y=0
layout_x() { echo $(($1 * area_width / 512 + area_x)); }
layout_y() { echo $(((512 - $1) * area_height / 512 + area_y)); }

click_layout() {
  xdotool mousemove --window "$window" "$(layout_x "$1")" "$(layout_y "$2")"
  sleep 0.3
  xdotool click 1
  sleep "${3:-1}"
}

# The deal is random: a block without neighbours of its colour removes
# nothing, so the player tries a few blocks until a group goes. SCORED takes
# a look after each click and succeeds when the score has changed.
click_until_scored() {
  local scored=$1 point
  for point in "400 330" "380 300" "420 360" "400 270" "360 390" "440 300" \
    "400 220" "370 240" "430 400" "390 420" "410 180" "350 330"; do
    xdotool mousemove --window "$window" $point
    sleep 0.5
    xdotool click 1
    sleep 2
    "$scored" && return 0
  done
  fail "no click changed the score"
}

# The first start on a 1920 x 1080 screen: full screen at 640 x 480 covers the
# screen without changing its mode, the picture scaled to the centred
# 1440 x 1080 area between black bars; Alt+Enter and F11 go to a centred
# window and back, and the settings follow.
test_desktop_full_screen() {
  expect_screen_size 1920x1080 "before the game"
  make_folder
  start_game
  wait_for_geometry 1920x1080+0+0
  expect_screen_size 1920x1080 "in full screen"
  area_width=1440
  area_x=240
  local bar red green blue
  for _ in $(seq 1 40); do
    read -r red green blue <<<"$(mean_colour 1440x1080+240+0)"
    is_menu_background "$red" "$green" "$blue" && break
    sleep 0.5
  done
  is_menu_background "$red" "$green" "$blue" ||
    fail "the centred area does not show the menu background (mean colour $red $green $blue)"
  for bar in 240x1080+0+0 240x1080+1680+0; do
    read -r red green blue <<<"$(mean_colour "$bar")"
    is_black "$red" "$green" "$blue" || fail "the bar $bar is not black (mean colour $red $green $blue)"
  done
  # Where New Game lies in the unscaled picture is on the left bar now: a click there hits nothing.
  xdotool mousemove 96 187
  sleep 0.5
  import -window root "$folder/menu.png"
  xdotool click 1
  sleep 1
  import -window root "$folder/bar_clicked.png"
  [ "$(changed_pixels "$folder/menu.png" "$folder/bar_clicked.png" 1440x1080+240+0)" -lt 5000 ] ||
    fail "a click on the bar changed the screen"
  # New Game, then Remover: each click finds its button only through the scaling.
  click_layout 77 312
  import -window root "$folder/game_type.png"
  [ "$(changed_pixels "$folder/menu.png" "$folder/game_type.png" 1440x1080+240+0)" -gt 100000 ] ||
    fail "a click on New Game in the scaled picture showed no game types"
  click_layout 375 404 3
  import -window root "$folder/board.png"
  [ "$(changed_pixels "$folder/game_type.png" "$folder/board.png" 720x720+600+180)" -gt 60000 ] ||
    fail "a click on Remover in the scaled picture showed no board"
  xdotool key alt+Return
  wait_for_geometry 640x480+640+300 # centred
  [ "$(setting 3)" = 0 ] || fail "settings line 3 holds $(setting 3) after Alt+Enter left full screen"
  xdotool key F11
  wait_for_geometry 1920x1080+0+0
  [ "$(setting 3)" = 1 ] || fail "settings line 3 holds $(setting 3) after F11 went back to full screen"
  "$x_helper" close "$window" || fail "the close request could not be sent"
  expect_exit 0
  expect_screen_size 1920x1080 "after the game"
}

# The tour's screenshots: kept in TORNET_TOUR_SHOTS when given, for the README.
tour_shots=
tour_shot() { import -window "$window" "$tour_shots/$1.png" 2>/dev/null || fail "no screenshot of $1"; }
# Pixels that differ between two of the tour's screenshots in a region of the window.
tour_changed() { changed_pixels "$tour_shots/$1.png" "$tour_shots/$2.png" "$3"; }
setting() { sed -n "$1p" "$folder/Data/Config.Cfg"; }

# Waits until a window of the game stands at WIDTHxHEIGHT+X+Y (a change of
# resolution makes the window anew) and makes it the one the clicks go to,
# its picture filling it.
wait_for_geometry() {
  local id geometry
  for _ in $(seq 1 150); do
    for id in $(xdotool search --onlyvisible --name '^Tornet 3D$' 2>/dev/null); do
      geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | tr '\n' ' ')
      eval "$geometry"
      if [ "${WIDTH:-}x${HEIGHT:-}+${X:-}+${Y:-}" = "$1" ]; then
        window=$id
        area_width=$WIDTH
        area_height=$HEIGHT
        area_x=0
        area_y=0
        xdotool windowfocus "$window" 2>/dev/null
        sleep 1.5 # the first frames of the new window
        return
      fi
    done
    sleep 0.2
  done
  fail "no window at $1; the game's: $(xdotool search --onlyvisible --name '^Tornet 3D$' getwindowgeometry %@ 2>&1)"
}

# Full screen keeps the display's mode: the screen is SIZE before, during and after.
screen_size() { xrandr | sed -n 's/.* current \([0-9]*\) x \([0-9]*\),.*/\1x\2/p'; }
expect_screen_size() { [ "$(screen_size)" = "$1" ] || fail "xrandr reports $(screen_size) $2, not $1"; }

# In the window (not the screen): the board, the score, the continue button,
# the settings, a dialog's question, the top-ten rows, the help text and
# Breakdown's count of rows to come.
tour_board="400x400+200+100"
tour_score="160x40+0+0"
tour_continue="120x60+60+20"
tour_settings="600x260+80+80"
tour_question="530x90+150+240"
tour_rows="570x70+120+105"
tour_help_text="600x400+100+84"
tour_lines_left="60x30+170+545"

# One run through every screen, as a player would go, on a 1024 x 768 screen;
# then a second run that ends with Escape.
test_tour() {
  tour_shots=${TORNET_TOUR_SHOTS:-$folder/shots}
  mkdir -p "$tour_shots"
  make_folder
  "$score_writer" "$folder/Data/rScore.dat" "Ann Lee" 1 4200 Bo 0 37 || fail "no Remover table to start from"
  "$score_writer" "$folder/Data/cScore.dat" Cy 0 99000 || fail "no Breakdown table to start from"
  cp "$folder/Data/cScore.dat" "$folder/breakdown.dat"
  printf '1\n32\n0\n10\n1\n1\n0\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/Data/Config.Cfg"
  start_game
  wait_for_geometry 800x600+112+84 # centred on the screen
  tour_remover
  tour_options
  tour_display
  tour_breakdown
  tour_top_ten
  tour_help
  click_layout 476 485 0    # the window's quit button
  expect_exit 0
  grep -q "Total Errors = 0" "$folder/Report.html" || fail "the log does not close with no errors"
  # Every setting survives a restart and ok on the options screen, and a skin
  # the game does not have stays named until the player picks one; Escape on
  # the menu ends the game.
  sed -i '13s/.*/old.tga/' "$folder/Data/Config.Cfg"
  cp "$folder/Data/Config.Cfg" "$folder/chosen.cfg"
  window=
  start_game
  wait_for_geometry 800x600+112+84
  click_layout 275 180      # Options
  click_layout 180 50       # Ok
  xdotool key Escape
  expect_exit 0
  cmp -s "$folder/Data/Config.Cfg" "$folder/chosen.cfg" || fail "the settings changed over a restart and ok"
  grep -q "Total Errors = 0" "$folder/Report.html" || fail "the second run logged errors"
}

tour_scored() {
  tour_shot remover
  [ "$(tour_changed board remover "$tour_score")" -gt 20 ]
}

# A Remover game: a group that scores, a ring turned, Escape and Continue.
tour_remover() {
  tour_shot menu
  click_layout 77 312       # New Game
  tour_shot game_type
  [ "$(tour_changed menu game_type 800x600+0+0)" -gt 20000 ] || fail "New Game showed no game types"
  click_layout 375 404 3    # Remover; the rings drop in
  tour_shot board
  [ "$(tour_changed game_type board "$tour_board")" -gt 20000 ] || fail "no board after choosing Remover"
  tour_undo
  xdotool mousedown 3
  sleep 0.8
  xdotool mouseup 3
  sleep 1.5
  tour_shot turned
  [ "$(tour_changed remover turned "$tour_board")" -gt 300 ] || fail "holding the right button turned nothing"
  xdotool key Escape
  sleep 1
  tour_shot menu_continue
  [ "$(tour_changed menu menu_continue "$tour_continue")" -gt 200 ] || fail "the menu shows no continue button"
  click_layout 77 448 1.5   # Continue
  tour_shot continued
  [ "$(tour_changed turned continued "$tour_board")" -lt 3000 ] || fail "continue did not bring back the same board"
  tour_keys
  xdotool key Escape
  sleep 1
}

# Off the board the pointer lights up nothing, so pictures of the board compare.
pointer_off_board() {
  xdotool mousemove --window "$window" "$(layout_x 20)" "$(layout_y 300)"
  sleep 0.5
}

# A group removed with a click; Ctrl+Z brings back the board before it and a
# score of 0, Ctrl+Y the board after it.
tour_undo() {
  pointer_off_board
  tour_shot before_click
  click_until_scored tour_scored
  pointer_off_board
  tour_shot after_click
  [ "$(tour_changed before_click after_click "$tour_board")" -gt 300 ] || fail "the scoring click changed no block"
  xdotool key ctrl+z
  sleep 1
  tour_shot undone
  [ "$(tour_changed before_click undone "$tour_score")" -eq 0 ] || fail "Ctrl+Z did not bring back the score of 0"
  [ "$(tour_changed before_click undone "$tour_board")" -lt 100 ] || fail "Ctrl+Z did not bring back the board"
  xdotool key ctrl+y
  sleep 1
  tour_shot redone
  [ "$(tour_changed after_click redone "$tour_board")" -lt 100 ] &&
    [ "$(tour_changed after_click redone "$tour_score")" -eq 0 ] || fail "Ctrl+Y did not bring back the move"
  # Back over the board, for the turn that follows.
  xdotool mousemove --window "$window" 400 330
  sleep 0.5
  tour_shot remover
}

# The keyboard alone on the board: the cursor walks the front until Space
# scores, and Z held turns the cursor's ring.
tour_keys() {
  local move
  tour_shot keys_before
  for move in Right Left Up Right Down Down Left Left; do
    xdotool key "$move" space
    sleep 2
    tour_shot keys_scored
    [ "$(tour_changed keys_before keys_scored "$tour_score")" -gt 20 ] && break
  done
  [ "$(tour_changed keys_before keys_scored "$tour_score")" -gt 20 ] || fail "no group removed with Space scored"
  xdotool keydown z
  sleep 0.8
  xdotool keyup z
  sleep 1.5
  tour_shot keys_turned
  [ "$(tour_changed keys_scored keys_turned "$tour_board")" -gt 300 ] || fail "holding Z turned nothing"
}

# One run from the menu with keys alone: the first arrow focuses a screen's
# top control, Enter activates the focused one.
test_keys_only() {
  # A folder of its own: the tour, perhaps running beside it, takes shots of the same names.
  tour_shots=${TORNET_TOUR_SHOTS:-$folder/shots}/keys_only
  mkdir -p "$tour_shots"
  make_folder
  printf '1\n32\n0\n10\n1\n1\n0\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/Data/Config.Cfg"
  start_game
  wait_for_geometry 800x600+112+84
  tour_shot menu
  xdotool key --delay 300 Down Return # New Game
  sleep 1
  tour_shot game_type
  [ "$(tour_changed menu game_type 800x600+0+0)" -gt 20000 ] ||
    fail "Down and Enter on the menu showed no game types"
  xdotool key --delay 300 Down Return # Remover
  sleep 3
  tour_shot board
  [ "$(tour_changed game_type board "$tour_board")" -gt 20000 ] ||
    fail "Down and Enter on the game types showed no board"
  tour_keys
  xdotool key Escape
  sleep 1
  tour_shot menu_continue
  [ "$(tour_changed menu menu_continue "$tour_continue")" -gt 200 ] || fail "the menu shows no continue button"
  xdotool key --delay 300 Down Down Return # past Continue to New Game
  sleep 1
  tour_shot game_type_again
  [ "$(tour_changed game_type game_type_again 800x600+0+0)" -lt 60000 ] ||
    fail "Down, Down and Enter on the menu did not show the game types again"
  xdotool key --delay 300 Down Down Return # Breakdown, below Remover
  sleep 3
  tour_shot breakdown_keys
  [ "$(tour_changed game_type_again breakdown_keys "$tour_board")" -gt 20000 ] ||
    fail "Down, Down and Enter on the game types showed no board"
  # The first press shows the cursor on the middle ring; five rings down is
  # the bottom one, and one more the supply ring.
  xdotool key --delay 200 Down Down Down Down Down Down Down
  # The timer pushes a row every few seconds: just after one of its rows the
  # next is seconds away, so a row that comes at once after Space is Space's.
  # The supply ring pushes nothing while the board moves: that row settles first.
  wait_for_row
  sleep 1
  tour_shot supply_only_keys_before
  xdotool key space
  sleep 0.5
  tour_shot supply_only_keys_pushed
  [ "$(tour_changed supply_only_keys_before supply_only_keys_pushed "$tour_lines_left")" -gt 20 ] &&
    [ "$(tour_changed supply_only_keys_before supply_only_keys_pushed "$tour_board")" -gt 5000 ] ||
    fail "Space on the supply ring pushed no row"
  xdotool key Escape
  sleep 1
  xdotool key Escape
  expect_exit 0
  grep -q "Total Errors = 0" "$folder/Report.html" || fail "the log does not close with no errors"
}

# Waits for the Breakdown count of rows to come to change: a row went in.
wait_for_row() {
  tour_shot rows_before
  for _ in $(seq 1 30); do
    tour_shot rows_after
    [ "$(tour_changed rows_before rows_after "$tour_lines_left")" -gt 20 ] && return
    sleep 0.2
  done
  fail "no row rose by itself: no Breakdown game?"
}

# Every game option changed, the skill while a game is in progress.
tour_options() {
  click_layout 275 180      # Options
  tour_shot options_before
  click_layout 348 205      # Normal: the game in progress would end
  tour_shot skill_question
  [ "$(tour_changed options_before skill_question "$tour_question")" -gt 500 ] ||
    fail "a new skill during a game asked no question"
  click_layout 180 50       # Ok: back to the options, the new skill chosen
  click_layout 290 358      # model details: Low to Hight
  click_layout 310 345      # texture quality, near the rail's left end
  click_layout 175 325      # sound off
  click_layout 385 325      # sound volume, near the right end
  click_layout 175 305      # music on
  click_layout 310 305      # music volume, near the left end
  click_layout 275 180      # show groups off (choosing the skill had checked it)
  click_layout 270 141      # start from level 3
  click_layout 275 105      # the skin after scr.tga
  tour_shot options
  [ "$(tour_changed options_before options "$tour_settings")" -gt 2000 ] || fail "the options show no change"
  click_layout 180 50       # Ok
  tour_shot menu_after_skill
  [ "$(tour_changed menu menu_after_skill "$tour_continue")" -lt 200 ] ||
    fail "the game survived the new skill: the menu still offers continue"
  local line want
  for line in "5 2" "6 0" "7 1" "10 1" "11 0" "12 3" "13 dom.tga"; do
    read -r line want <<<"$line"
    [ "$(setting "$line")" = "$want" ] || fail "settings line $line holds $(setting "$line"), expected $want"
  done
  [ "$(setting 4)" -ge 4 ] && [ "$(setting 4)" -lt 10 ] || fail "texture quality stayed at $(setting 4)"
  [ "$(setting 8)" -gt 16384 ] || fail "the sound volume stayed at $(setting 8)"
  [ "$(setting 9)" -lt 50 ] || fail "the music volume stayed at $(setting 9)"
}

# The resolution there and back, the colour depth, full screen on and off:
# full screen covers the screen without changing its mode, the 800 x 600
# picture scaled up to it, and clicks find the buttons of the scaled picture.
tour_display() {
  click_layout 275 180      # Options
  click_layout 290 418      # 1024 x 768
  click_layout 180 50 0     # Ok
  wait_for_geometry 1024x768+0+0
  [ "$(setting 1)" = 2 ] || fail "settings line 1 holds $(setting 1) after 1024 x 768"
  click_layout 275 180      # Options
  click_layout 290 418      # 800 x 600
  click_layout 290 398      # 16 bit
  click_layout 180 50 0     # Ok
  wait_for_geometry 800x600+112+84
  [ "$(setting 1)" = 1 ] || fail "settings line 1 holds $(setting 1) after 800 x 600"
  [ "$(setting 2)" = 16 ] || fail "settings line 2 holds $(setting 2) after 16 bit"
  click_layout 275 180      # Options
  click_layout 295 385      # Full Screen
  click_layout 180 50 0     # Ok
  wait_for_geometry 1024x768+0+0
  expect_screen_size 1024x768 "in full screen"
  [ "$(setting 3)" = 1 ] || fail "settings line 3 holds $(setting 3) after full screen"
  tour_shot full_screen
  click_layout 275 180      # Options
  click_layout 295 385      # Full Screen off
  click_layout 180 50 0     # Ok
  wait_for_geometry 800x600+112+84
  [ "$(setting 3)" = 0 ] || fail "settings line 3 holds $(setting 3) back in a window"
}

# A Breakdown game from level 3: rows rise, a click on the supply ring pushes one at once.
tour_breakdown() {
  click_layout 77 312       # New Game
  click_layout 300 216 3    # Breakdown; the bottom rings drop in
  tour_shot breakdown_start
  sleep 5
  tour_shot breakdown
  [ "$(tour_changed breakdown_start breakdown "$tour_board")" -gt 1000 ] || fail "no row rose"
  # The supply ring hangs below the board, in front at the bottom.
  xdotool mousemove --window "$window" 400 555
  sleep 0.5
  tour_shot supply_before
  xdotool click 1
  sleep 0.5 # the push is at once; a short look leaves the timer little time to push one itself
  tour_shot supply_pushed
  [ "$(tour_changed supply_before supply_pushed "$tour_board")" -gt 1000 ] ||
    fail "a click on the supply ring pushed no row"
  # Down past the bottom ring reaches the supply ring; Space there pushes a row too.
  xdotool key Down Down Down Down Down Down Down Down Down Down Down Down
  sleep 0.5
  tour_shot supply_keys_before
  xdotool key space
  sleep 0.5
  tour_shot supply_keys_pushed
  [ "$(tour_changed supply_keys_before supply_keys_pushed "$tour_board")" -gt 1000 ] ||
    fail "Space on the supply ring pushed no row"
  xdotool key Escape
  sleep 1
}

# Both tables, then the Remover table cleared: cancel first, then ok.
tour_top_ten() {
  click_layout 71 181       # Top 10
  tour_shot top_ten
  click_layout 307 46       # the Breakdown table
  tour_shot top_ten_breakdown
  [ "$(tour_changed top_ten top_ten_breakdown "$tour_rows")" -gt 100 ] || fail "the right arrow showed the same table"
  click_layout 205 46       # back to the Remover table
  tour_shot top_ten_again
  [ "$(tour_changed top_ten top_ten_again "$tour_rows")" -lt 100 ] || fail "the left arrow did not bring back Remover"
  cp "$folder/Data/rScore.dat" "$folder/remover.dat"
  click_layout 430 46       # Clear
  tour_shot clear_question
  [ "$(tour_changed top_ten clear_question "$tour_question")" -gt 500 ] || fail "clear asked no question"
  click_layout 300 50       # Cancel
  cmp -s "$folder/Data/rScore.dat" "$folder/remover.dat" || fail "cancel changed the score file"
  click_layout 430 46       # Clear
  click_layout 180 50       # Ok
  [ -f "$folder/Data/rScore.dat" ] && [ ! -s "$folder/Data/rScore.dat" ] || fail "ok left the Remover table"
  cmp -s "$folder/Data/cScore.dat" "$folder/breakdown.dat" || fail "clearing Remover touched the Breakdown table"
  tour_shot top_ten_cleared
  [ "$(tour_changed top_ten top_ten_cleared "$tour_rows")" -gt 100 ] || fail "the cleared table still shows rows"
  click_layout 256 46       # Menu
}

# The four help pages forward, one back, and the menu again.
tour_help() {
  tour_shot menu_before_help
  click_layout 143 58       # Help
  tour_shot help_1
  local page names=(help_1 help_2 help_goodies help_credits)
  for page in 1 2 3; do
    click_layout 307 46     # forward
    tour_shot "${names[$page]}"
    [ "$(tour_changed "${names[$((page - 1))]}" "${names[$page]}" "$tour_help_text")" -gt 2000 ] ||
      fail "the forward arrow did not turn to page $((page + 1))"
  done
  click_layout 205 46       # back
  tour_shot help_back
  [ "$(tour_changed help_goodies help_back "$tour_help_text")" -lt 200 ] || fail "back did not show the goodies again"
  click_layout 256 46       # Menu
  tour_shot menu_after_help
  [ "$(tour_changed menu_before_help menu_after_help "$tour_help_text")" -lt 2000 ] || fail "Menu did not go back to the menu"
}

"test_$test_name"
echo "PASS: $test_name"
