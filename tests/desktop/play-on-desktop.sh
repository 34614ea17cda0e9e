#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# play-on-desktop.sh DESKTOP GAME_FOLDER SCREEN_CHECK: plays Zorbil through
# its screens on a private desktop, by keyboard, and reads every screen back
# from the pixels the player would see.
#   openbox-full, openbox-windowed  X11 with a window manager, in each mode
#   weston-xwayland                 a Wayland session with Xwayland
#   weston-wayland                  a Wayland session without any X server
# Weston runs on its X11 back end inside a private Xvfb: keys typed there
# reach the client weston has focused, and that Xvfb's picture is weston's.
set -euo pipefail
desktop=$1
source_folder=$2
screen_check=$3
# shellcheck source=tests/support/private-display.sh
source "$(dirname "$0")/../support/private-display.sh"
fail_context=$desktop
key_delay=0.3

cp -r "$source_folder" "$work/Zorbil"
folder=$work/Zorbil
rm -f "$folder"/Data/{Config.dat,Scores.dat,Temp.dat,Log.txt} "$folder/log.txt"
aff=1
[ "$desktop" = openbox-windowed ] && aff=2
# The slowest speed: a game lasts over three seconds, room for the screens.
printf '[Config]\nMixRate=22050\nQuality=16\nInterp=1\nSonAct=1\nDrv=2\nMixer=11\nAff=%s\n[Options]\nSpeed=9\n' \
  "$aff" >"$folder/Data/Config.dat"

start_xvfb
screen_display=$DISPLAY

# As on a player's desktop: nothing chooses Qt's platform for the game.
unset_env=(-u QT_QPA_PLATFORM)
game_env=(SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1)
case $desktop in
  openbox-*)
    openbox --config-file /dev/null >"$work/session.log" 2>&1 &
    track $!
    for _ in $(seq 100); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
      sleep 0.1
    done
    game_env+=("DISPLAY=$screen_display")
    ;;
  weston-*)
    mkdir -m 700 "$work/run"
    printf '[core]\nidle-time=0\n[shell]\nlocking=false\n' >"$work/weston.ini"
    socket=zorbil-test-$$
    XDG_RUNTIME_DIR=$work/run weston --config="$work/weston.ini" --backend=x11-backend.so --socket="$socket" \
      --xwayland --width=1280 --height=1024 --log="$work/weston.log" >/dev/null 2>&1 &
    track $!
    for _ in $(seq 150); do grep -q 'xserver listening on display' "$work/weston.log" 2>/dev/null && break; sleep 0.1; done
    xwayland=$(grep -o 'xserver listening on display :[0-9]*' "$work/weston.log" | grep -o ':[0-9]*$') ||
      fail "weston did not start: $(tail -n 5 "$work/weston.log" 2>/dev/null)"
    game_env+=("XDG_RUNTIME_DIR=$work/run" "WAYLAND_DISPLAY=$socket")
    if [ "$desktop" = weston-xwayland ]; then
      game_env+=("DISPLAY=$xwayland")
    else
      unset_env+=(-u DISPLAY)
    fi
    ;;
  *) fail "unknown desktop" ;;
esac
sleep 1
import -window root "$work/desktop.png"

(cd "$folder" && exec env "${unset_env[@]}" "${game_env[@]}" ./zorbil) >"$work/game.log" 2>&1 &
game=$!
track $game
# The configuration dialog: the first change on the desktop.
for _ in $(seq 60); do
  import -window root "$work/screen.png"
  changed=$(compare -metric AE "$work/desktop.png" "$work/screen.png" null: 2>&1 || true)
  [ "${changed%% *}" -gt 50000 ] 2>/dev/null && break
  sleep 0.25
done
sleep 0.5
keys alt+o
shows menu

if [ "$desktop" = openbox-windowed ]; then
  id=
  # The window the window manager manages (the screens are windows too).
  for w in $(xdotool search --onlyvisible --name '^Zorbil$'); do
    xprop -id "$w" _NET_WM_ALLOWED_ACTIONS | grep -q _NET_WM_ACTION_ && id=$w
  done
  [ -n "$id" ] || fail "no managed game window"
  actions=$(xprop -id "$id" _NET_WM_ALLOWED_ACTIONS)
  echo "$actions" | grep -q -e MAXIMIZE -e RESIZE && fail "the window manager lets the window be resized: $actions"
  # Motif hints: no maximise box among the decorations (bit 0x40).
  read -r _ _ decorations _ < <(xprop -id "$id" _MOTIF_WM_HINTS | cut -d= -f2 | tr -d ',')
  [ $((decorations & 0x40)) -eq 0 ] || fail "a maximise box among the decorations: $decorations"
  before=$(xwininfo -id "$id" | grep -E '^ *(Width|Height):' | tr -s ' ')
  xdotool windowsize "$id" 700 500
  sleep 0.5
  after=$(xwininfo -id "$id" | grep -E '^ *(Width|Height):' | tr -s ' ')
  [ "$before" = "$after" ] || fail "a resize was taken: $before -> $after"
fi

# Options: the first picture; then a game, and every screen over it. The
# snake meets the wall 3.6 s after "Jouer": the game must be seen by then.
keys alt+o Tab Tab space alt+c
shows menu
keys alt+j
shows game 8
keys Escape
shows pause
keys alt+q
shows over
keys alt+c
shows scores
keys alt+c
shows menu

if [ "$desktop" = openbox-windowed ]; then
  # Ended by its session, as at logout.
  kill -TERM "$game"
else
  keys alt+q
fi
ends $game "the program is still running"
[ "$status" -eq 0 ] || [ "$desktop" = openbox-windowed ] || fail "the program ended with status $status"
echo "$desktop: menu, game, pause, game over, scores and menu seen on screen, nothing cut off"
