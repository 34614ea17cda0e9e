#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# play-through-sound-server.sh GAME_FOLDER SCREEN_CHECK: plays Zorbil through
# a private PulseAudio server, as on a player's desktop, with SDL left to the
# driver each output of the configuration dialog asks for. For each output,
# chosen by keyboard, the menu music must reach the server's sink and no
# error box may show; with sound off nothing may reach it. Twice, the sink
# is removed during a game, as when a player unplugs the device: the game
# must still pause, resume and end, and the program quit normally.
set -euo pipefail
source_folder=$1
screen_check=$2
# shellcheck source=tests/support/private-display.sh
source "$(dirname "$0")/../support/private-display.sh"

# The server and the game share a session of their own, as on a desktop,
# apart from any sound server of the machine's own session.
export XDG_RUNTIME_DIR=$work/run HOME=$work/home
unset PULSE_SERVER
mkdir -m 700 "$XDG_RUNTIME_DIR" "$HOME"
start_sound_server() {
  env -u DISPLAY -u DBUS_SESSION_BUS_ADDRESS pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    -L "module-null-sink sink_name=out" -L module-native-protocol-unix >"$work/pulseaudio.log" 2>&1 &
  server=$!
  track $server
  # Clients would start a server of their own if they came first.
  for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && break
    sleep 0.1
  done
  [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && pactl info >/dev/null 2>&1 ||
    fail "pulseaudio did not start: $(tail -n 5 "$work/pulseaudio.log")"
}

# A null sink loaded again into a running server lets its monitor stall for
# a while, so after an unplugged sink the next run gets a new server.
restart_sound_server() {
  kill "$server"
  ends "$server" "pulseaudio does not stop"
  start_sound_server
}

start_sound_server

start_xvfb
headless_game --real-sound
cp -r "$source_folder" "$work/Zorbil"
folder=$work/Zorbil
rm -f "$folder"/Data/{Config.dat,Scores.dat,Temp.dat,Log.txt} "$folder/log.txt"
# The slowest speed leaves room for the pause before the snake meets the wall.
printf '[Options]\nSpeed=9\n' >"$folder/Data/Config.dat"
fail_log=$work/game.log

record() {
  parec -d out.monitor --format=s16le --rate=44100 --channels=2 --latency-msec=20 >"$work/sink.raw" &
  recorder=$!
  track $recorder
}

# Stops the recording; the peak level of what reached the sink, in dB of
# full scale, goes to $peak ("-inf": silence).
stop_recording() {
  kill "$recorder"
  ends "$recorder" "parec does not stop"
  [ "$(stat -c %s "$work/sink.raw")" -ge $((44100 * 4)) ] || fail "less than a second recorded from the sink"
  peak=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$work/sink.raw" -n stats 2>&1 | awk '$1 == "Pk" && $2 == "lev" {print $4}')
}

# The game window after OK, or the error box the sound set-up may show.
game_window() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Erreur$' >/dev/null && fail "an error box after OK"
    xdotool search --onlyvisible --name '^Zorbil$' >/dev/null && break
    sleep 0.2
  done
  focus Zorbil
}

# A game during which the sink goes away: Esc still pauses, "&Continuer"
# resumes, the snake runs on into the wall, and the screens follow.
unplug_during_game() {
  keys alt+o Tab Tab space alt+c
  shows menu
  keys alt+j
  shows game 8
  pactl unload-module module-null-sink
  [ -z "$(pactl list short sinks)" ] || fail "the sink is still there"
  keys Escape
  shows pause
  keys alt+c
  shows over
  keys alt+c
  shows scores
  keys alt+c
  shows menu
}

# play NAME DIALOG_KEYS SAVED_SETTING [unplug]: one run of the program, the
# sink recorded from its start until the menu music has played a while.
play() {
  local name=$1 choice=$2 saved=$3 unplug=${4:-}
  fail_context=$name
  record
  (cd "$folder" && exec ./zorbil) >"$work/game.log" 2>&1 &
  game=$!
  track $game
  focus "Zorbil - Configuration"
  # shellcheck disable=SC2086
  keys $choice alt+o
  game_window
  shows menu
  sleep 1.5
  clients=$(pactl list sink-inputs | sed -n 's/^\s*application\.name = //p' | paste -sd, -)
  stop_recording
  [ -z "$unplug" ] || unplug_during_game
  keys alt+q
  ends $game "the program is still running after \"&Quitter Zorbil\""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
  grep -qx "$saved" <(tr -d '\r' <"$folder/Data/Config.dat") || fail "the dialog did not save $saved"
  [ -z "$unplug" ] || restart_sound_server

  if [ "$saved" = SonAct=0 ]; then
    [ "$peak" = -inf ] || fail "sound reached the sink with sound off: peak $peak dBFS"
    echo "$name: silent"
  else
    # The music peaks near -7 dBFS; below -40 would be a mere click.
    if [ "$peak" = -inf ] || awk -v p="$peak" 'BEGIN { exit !(p < -40) }'; then
      fail "no music reached the sink: peak $peak dBFS"
    fi
    echo "$name: peak $peak dBFS, played by ${clients:-nobody}${unplug:+; the sink removed during a game}"
  fi
}

play "Windows Multimedia" alt+w Drv=1 unplug
play "DirectSound" alt+m Drv=2 unplug
play "Open Sound System" alt+e Drv=3
play "Enlightenment Sound Daemon" alt+g Drv=4
play "A3D" alt+a Drv=5
# "Son" has no shortcut: it is the stop before the display buttons.
play "sound off" "shift+Tab space" SonAct=0
