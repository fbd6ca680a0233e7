#!/usr/bin/env bash
# Checks of the installed game: `cmake --install` into a throwaway prefix, its
# desktop files as the desktop's tools read them, and the launcher starting the
# game in a player's own folder while the installation stays as it was.
#   install_check.sh TEST BUILD X_HELPER
# TEST is one of the functions below, BUILD the build folder, X_HELPER the
# helper that closes windows. Tests that start the game expect a display in
# DISPLAY (CTest runs them under xvfb-run).
set -euo pipefail

test_name=$1
build=$2
x_helper=$3
app_id=io.github.tornet3d.Tornet3D

scratch=$(mktemp -d)
game_pid=
cleanup() {
  if [[ -n $game_pid ]]; then kill "$game_pid" 2>/dev/null || true; fi
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

install_to() {
  cmake --install "$build" --prefix "$1" >"$scratch/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$scratch/install.log")"
}

# Every file below a folder with its size, mode and time of change.
snapshot() { find "$1" -printf '%P %s %m %T@\n' | sort; }

# Starts the launcher of the installation at PREFIX as a player whose home is
# $scratch/home, on X11 only as in the end-to-end tests; VAR=VALUE arguments
# after PREFIX add to the environment.
start_launcher() {
  local prefix=$1
  shift
  mkdir -p "$scratch/home"
  env -u XDG_DATA_HOME HOME="$scratch/home" SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "$@" "$prefix/bin/tornet3d" \
    >"$scratch/stdout" 2>"$scratch/stderr" &
  game_pid=$!
}

# Waits for the game's window and prints its id.
wait_for_window() {
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Tornet 3D$' | head -1) || true
  [[ -n $window ]] || fail "the window never showed; stderr: $(cat "$scratch/stderr")"
  echo "$window"
}

# Closes the window as the desktop would and expects the game to end well.
close_game() {
  local status=0
  "$x_helper" close "$1" || fail "the close request could not be sent"
  for _ in $(seq 1 300); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  wait "$game_pid" || status=$?
  game_pid=
  [[ $status -eq 0 ]] || fail "the game ended with status $status; stderr: $(cat "$scratch/stderr")"
}

test_files() {
  local prefix=$scratch/prefix
  install_to "$prefix"
  [[ -x $prefix/bin/tornet3d ]] || fail "no launcher on the PATH"
  [[ -x $prefix/libexec/tornet3d/tornet3d ]] || fail "no game binary"
  cmp -s "$prefix/share/tornet3d/Data/Resource.Ztr" "$build/game/Data/Resource.Ztr" ||
    fail "the installed archive is not the one built"
  diff -r "$prefix/share/tornet3d/Data/Sounds" "$build/game/Data/Sounds" >/dev/null ||
    fail "the installed sounds are not the ones built"
  desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate"
  appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "appstreamcli validate"
  # The tree's check also sees that the metainfo's launchable names an installed desktop file.
  appstreamcli validate-tree --no-net "$prefix" || fail "appstreamcli validate-tree"
  local command
  command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$prefix/share/applications/$app_id.desktop")
  [[ -x $prefix/bin/$command ]] || fail "the desktop entry starts \"$command\", which is not installed"
  local size icon
  for size in 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png
    [[ -f $icon ]] || fail "no ${size}x${size} icon"
    [[ $(identify -format '%wx%h' "$icon") == "${size}x${size}" ]] || fail "the ${size}x${size} icon has another size"
  done
}

test_first_start() {
  local prefix=$scratch/prefix folder=$scratch/data/tornet3d before window
  install_to "$prefix"
  before=$(snapshot "$prefix")
  start_launcher "$prefix" XDG_DATA_HOME="$scratch/data"
  window=$(wait_for_window)
  sleep 1
  close_game "$window"
  [[ -f $folder/Data/Config.Cfg ]] || fail "no settings file in the player's folder"
  [[ -f $folder/Report.html ]] || fail "no log in the player's folder"
  grep -q "Total Errors = 0" "$folder/Report.html" || fail "the log does not close with no errors"
  [[ ! -e $scratch/home/.local/share/tornet3d ]] || fail "XDG_DATA_HOME was passed over"
  [[ $(snapshot "$prefix") == "$before" ]] || fail "the installation was written to"
}

# A second start, from a copy of the installation elsewhere, plays with the
# player's own settings, leaves them as they were, and uses the copy's data.
test_second_start() {
  local folder=$scratch/home/.local/share/tornet3d window
  install_to "$scratch/first"
  start_launcher "$scratch/first"
  close_game "$(wait_for_window)"
  [[ -f $folder/Data/Config.Cfg ]] || fail "no settings file after the first start"
  # Windowed at 800 x 600, which the default settings are not.
  printf '1\n32\n0\n10\n1\n1\n1\n16384\n50\n0\n1\n1\nscr.tga\n' >"$folder/Data/Config.Cfg"
  cp "$folder/Data/Config.Cfg" "$scratch/settings"
  # Installed again elsewhere, the first installation still in place.
  cp -a "$scratch/first" "$scratch/moved"
  start_launcher "$scratch/moved"
  window=$(wait_for_window)
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  [[ "$WIDTH"x"$HEIGHT" == 800x600 ]] || fail "the window is ${WIDTH}x${HEIGHT}, not as the player set it"
  close_game "$window"
  cmp -s "$folder/Data/Config.Cfg" "$scratch/settings" || fail "the player's settings were rewritten"
  [[ $(readlink -f "$folder/Data/Resource.Ztr") == "$scratch/moved/share/tornet3d/Data/Resource.Ztr" ]] ||
    fail "the archive link still leads to the first installation"
}

# The Debian package holds the installation under /usr, depends on the
# libraries the game links, and its unpacked files start the game.
test_deb() {
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$scratch/cpack.log")"
  local deb path
  deb=$(echo "$scratch"/deb/*.deb)
  [[ -f $deb ]] || fail "cpack made no package"
  dpkg-deb --contents "$deb" >"$scratch/contents"
  for path in bin/tornet3d libexec/tornet3d/tornet3d share/tornet3d/Data/Resource.Ztr \
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/256x256/apps/$app_id.png; do
    grep -q " \./usr/$path\$" "$scratch/contents" || fail "the package has no /usr/$path"
  done
  local depends
  depends=$(dpkg-deb --field "$deb" Depends)
  grep -q libsdl2 <<<"$depends" || fail "the package does not depend on SDL: $depends"
  dpkg-deb --extract "$deb" "$scratch/root"
  start_launcher "$scratch/root/usr"
  close_game "$(wait_for_window)"
}

"test_$test_name"
echo "PASS: $test_name"
