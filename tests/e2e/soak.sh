#!/usr/bin/env bash
# A long run of the real game under random input, for what short tests miss:
# crashes, sanitizer reports and leaks after thousands of clicks, drags, keys
# and screen changes.
#   soak.sh MINUTES GAME DATA X_HELPER
# GAME should be built with ASan+UBSan; an X server is expected in DISPLAY.
# Prints one verdict line and fails on a crash, any sanitizer report, a leak
# or an error in the game's log, keeping the game folder with the logs, the
# bot's actions and a last screenshot.
set -euo pipefail

minutes=$1
game=$(realpath "$2")
data=$(realpath "$3")
x_helper=$(realpath "$4")
suppressions=$(realpath "$(dirname "$0")/lsan-suppressions.txt")

folder=$(mktemp -d /tmp/tornet-soak.XXXXXX)
actions=$folder/actions.log
game_pid=
window=
failure=
count=0
seed=${SOAK_SEED:-$$}

cleanup() {
  if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT

verdict() {
  if [ -z "$failure" ]; then
    local escapes held
    escapes=$(grep -c 'key Escape' "$actions" || true)
    held=$(grep -c 'no Escape' "$actions" || true)
    rm -rf "$folder"
    echo "soak: PASS, $minutes min, $count actions, $escapes Escapes off the menu and $held held back on it" \
      "(seed $seed): no crash, no sanitizer report, Total Errors = 0"
    exit 0
  fi
  echo "soak: FAIL, $failure; folder kept: $folder"
  exit 1
}

shot() { import -window root "$folder/last.png" 2>/dev/null || true; }

# --- the game ----------------------------------------------------------------

mkdir -p "$folder/Data"
ln -s "$data/Resource.Ztr" "$folder/Data/Resource.Ztr"
ln -s "$data/Sounds" "$folder/Data/Sounds"
# Windowed 800 x 600 with sound and music on, so that the music plays too.
printf '1\n32\n0\n10\n1\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/Data/Config.Cfg"

# Every report goes to a file in the folder. Leaks of the desktop's
# libraries are suppressed by library, never the game's own; a leak report
# exits with its own status so that the verdict can tell it from a crash.
export ASAN_OPTIONS="log_path=$folder/asan:halt_on_error=1:detect_leaks=1:strict_string_checks=1:intercept_tls_get_addr=0:exitcode=42"
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
export UBSAN_OPTIONS="log_path=$folder/ubsan:halt_on_error=1:print_stacktrace=1"
(cd "$folder" && SDL_AUDIODRIVER=dummy exec "$game" >"$folder/stdout" 2>"$folder/stderr") &
game_pid=$!

alive() { kill -0 "$game_pid" 2>/dev/null; }

# The window is made anew when the options change the display mode, so it is
# looked up again whenever its geometry cannot be read.
find_window() {
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tornet 3D$' | head -1) || true
  [ -n "$window" ] && xdotool windowfocus "$window" 2>/dev/null || true
}

geometry() {
  local shell
  if ! shell=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null); then
    find_window
    shell=$(xdotool getwindowgeometry --shell "$window" 2>/dev/null) || return 1
  fi
  eval "$(grep -E '^(X|Y|WIDTH|HEIGHT)=' <<<"$shell")"
}

# --- the bot -----------------------------------------------------------------

# The screens' 512 x 512 layout, origin bottom left, to screen pixels.
to_screen() { echo $((X + $1 * WIDTH / 512)) $((Y + (512 - $2) * HEIGHT / 512)); }

# Never near the window's minimise, full-screen and quit buttons, nor the
# menu's exit button: the run must last, and in one window.
safe() {
  ! { [ "$1" -ge 420 ] && [ "$2" -ge 460 ]; } && ! { [ "$1" -ge 410 ] && [ "$2" -le 95 ]; }
}

# Every input goes into the actions log, to see what led up to a failure.
input() {
  echo "$*"
  xdotool "$@"
}

move_to() {
  read -r px py <<<"$(to_screen "$1" "$2")"
  echo "layout $1 $2"
  input mousemove "$px" "$py"
}

move_random() {
  local lx ly
  while :; do
    lx=$((RANDOM % 512)) ly=$((RANDOM % 512))
    safe "$lx" "$ly" && break
  done
  move_to "$lx" "$ly"
}

pause() { sleep "0.$((RANDOM % 2))$((RANDOM % 10))"; }

# The main menu quits on Escape, so Escape goes only to other screens. The
# menu is known by its orange title, on no other screen: more red than blue
# where it stands. A board behind it may look the same, which only holds
# back an Escape.
looks_like_menu() {
  read -r px py <<<"$(to_screen 175 405)"
  local size="$((WIDTH * 310 / 512))x$((HEIGHT * 60 / 512))" redder
  redder=$(import -window root -crop "$size+$px+$py" +repage png:- 2>/dev/null |
    convert - -format '%[fx:mean.r > mean.b]' info:) || return 0
  echo "title seen: $redder"
  [ "$redder" = 1 ]
}

# Asked twice, after the last input has had time to change the screen.
on_menu() {
  sleep 0.5
  looks_like_menu && return 0
  sleep 0.3
  looks_like_menu
}

# The buttons that change screens: the menu's (new game, options, help) and
# the game type's (Remover, Breakdown, back). The top-ten screen has no way
# back yet, so its button is left alone.
buttons=("77 312" "275 180" "71 181" "143 58" "375 404" "300 216" "60 40")
keys=(Return BackSpace space a b c e k m n o q r s t x z 1 5 9 Left Right Up Down)

act() {
  local roll=$((RANDOM % 100)) button
  case $roll in
    [0-9] | 1[0-9])
      move_random ;;
    2[0-9] | 3[0-9] | 4[0-4])
      move_random; pause; input click 1 ;;
    4[5-9] | 5[0-4])
      move_random; pause; input click 3 ;;
    5[5-9] | 6[0-4])
      # A press held a moment and dragged: turns rings, moves sliders.
      button=$((RANDOM % 2 * 2 + 1))
      move_random; input mousedown "$button"
      for _ in $(seq $((RANDOM % 4))); do pause; move_random; done
      pause; input mouseup "$button" ;;
    6[5-9] | 7[0-9])
      input key "${keys[RANDOM % ${#keys[@]}]}" ;;
    8[0-9] | 9[0-3])
      # shellcheck disable=SC2086
      move_to ${buttons[RANDOM % ${#buttons[@]}]}; pause; input click 1 ;;
    *)
      if on_menu; then echo "on the menu: no Escape"; else input key Escape; fi ;;
  esac
}

find_window
[ -n "$window" ] || { failure="the window never showed"; verdict; }
# The log's second "Done" ends the loading.
for _ in $(seq 1 600); do
  [ "$(grep -c 'Done' "$folder/Report.html" 2>/dev/null)" -ge 2 ] && break
  sleep 0.1
done

read -r screen_width screen_height < <(xdotool getdisplaygeometry)
RANDOM=$seed
end=$((SECONDS + minutes * 60))
last_shot=$SECONDS
while [ "$SECONDS" -lt "$end" ]; do
  alive || break
  if ! geometry; then sleep 0.5; continue; fi
  # A left press on the background drags the window; one that has left the
  # screen is put back, since clicks and the title check need all of it.
  if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + WIDTH)) -gt "$screen_width" ] ||
    [ $((Y + HEIGHT)) -gt "$screen_height" ]; then
    input windowmove "$window" $(((screen_width - WIDTH) / 2)) $(((screen_height - HEIGHT) / 2)) >>"$actions"
    sleep 0.2
    continue
  fi
  count=$((count + 1))
  echo "$SECONDS s: $count" >>"$actions"
  act >>"$actions" 2>&1 || true
  pause
  if [ $((SECONDS - last_shot)) -ge 20 ]; then shot; last_shot=$SECONDS; fi
done

# --- the verdict ---------------------------------------------------------------

if ! alive; then
  failure="the game ended by itself after $SECONDS s"
else
  shot
  find_window
  "$x_helper" close "$window" || failure="the close request could not be sent"
  for _ in $(seq 1 600); do alive || break; sleep 0.1; done
  if alive; then failure="the game did not quit within a minute of the close request"; fi
fi
status=0
wait "$game_pid" || status=$?
game_pid=

# A suppressed library leak still has the blocks it points to reported as
# indirect leaks, and a display change unloads the GL driver, whose leaks are
# then reported at an address with no module, or named after whatever module
# was mapped there later, at an offset that is no code of that module. The
# game's own code is never unloaded: a report whose direct leaks were all
# allocated from such an address, or that has none, is the libraries'.
in_code_of() { # MODULE OFFSET: is OFFSET inside an executable segment of MODULE?
  local type _ address _ size flags
  while read -r type _ address _ size flags; do
    [[ $type == LOAD && $flags == *E* ]] || continue
    (($2 >= address && $2 < address + size)) && return 0
  done < <(readelf -lW "$1" 2>/dev/null | awk '$1 == "LOAD" { print $1, $2, $3, $4, $6, $7 $8 $9 }')
  return 1
}
own_direct_leaks() {
  local frame module offset count=0
  while read -r frame; do
    [[ $frame == *"<unknown module>"* ]] && continue
    if [[ $frame =~ \(([^()]+)\+(0x[0-9a-f]+)\)$ ]]; then
      module=${BASH_REMATCH[1]} offset=${BASH_REMATCH[2]}
      in_code_of "$module" "$offset" || continue
    fi
    count=$((count + 1))
  done < <(awk '/^Direct leak/ { direct = 1; next } direct && /#1 / { print; direct = 0 }' "$1")
  echo "$count"
}
reports=()
for report in "$folder"/asan.* "$folder"/ubsan.*; do
  [ -e "$report" ] || continue
  if grep -q 'ERROR: LeakSanitizer' "$report" && [ "$(own_direct_leaks "$report")" -eq 0 ] &&
    ! grep -q -E 'ERROR: AddressSanitizer|runtime error' "$report"; then
    [ "$status" -eq 42 ] && status=0
    continue
  fi
  reports+=("$report")
done
[ -n "$failure" ] || [ "$status" -eq 0 ] || failure="the game exited with status $status"
if [ ${#reports[@]} -gt 0 ]; then
  failure="${failure:+$failure; }sanitizer report in ${reports[*]##*/}"
  head -n 40 "${reports[@]}" >&2
fi
errors=$(grep -o 'Total Errors = [0-9]*' "$folder/Report.html" 2>/dev/null | tail -1 || true)
[ "$errors" = "Total Errors = 0" ] || failure="${failure:+$failure; }the log ends with \"${errors:-no total}\""
verdict
