# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# private-display.sh: sourced by the scripts that run the whole program. It
# gives them a private X server, ends whatever they started however they
# exit, and types on windows as a player does.
#
# Sourcing it pins the game's language to French (a script may start the
# game in another), makes $work, a temporary folder removed at exit, and offers:
#   fail MESSAGE          "FAIL: MESSAGE" on stderr, exit status 1
#   start_xvfb [--visible-in ROOT]
#                         a 1280x1024 Xvfb on a free display, kept from
#                         resetting when its last client leaves (it would
#                         forget the resource database); exports DISPLAY.
#                         With --visible-in, fails unless its socket shows
#                         in ROOT, a chroot that binds /tmp/.X11-unix
#   headless_game [--real-sound]
#                         exports what runs the game headless: Qt on X11,
#                         Mesa's software renderer, SDL's silent audio
#                         driver; --real-sound leaves SDL its own choice
#   track PID             ends PID at exit
#   ends PID MESSAGE      waits up to 10 s for tracked PID to end, fails
#                         with MESSAGE if it does not; its exit status goes
#                         to $status
#   at_exit FUNCTION      runs FUNCTION at exit, once the processes ended
#   focus TITLE [MESSAGE] waits for a visible window titled exactly TITLE
#                         and gives it the keyboard, as a window manager
#                         does for the window a player clicks; fails with
#                         MESSAGE when none comes
#   keys KEY...           types each key in turn
#   shows SCREEN [TRIES]  waits until the screen reads back as SCREEN
#                         (menu, game, pause, over, scores) through the
#                         program $screen_check; TRIES about 0.3 s apart
# Settings a script may change after sourcing:
#   fail_context  named in every failure and in kept screenshots
#   fail_log      a file shown with every failure (the game's output)
#   focus_timeout seconds focus waits for its window (20)
#   key_delay     seconds between two keys (0.4)

# The game speaks the player's language: these scripts type its French
# accelerators and read its French windows, whatever the machine's language.
# (LANGUAGE: the shell itself would complain of a locale the machine lacks.)
export LANG=C.UTF-8 LANGUAGE=fr
unset LC_ALL LC_MESSAGES

work=$(mktemp -d)
tracked=()
exit_hooks=()
fail_context=
fail_log=
focus_timeout=20
key_delay=0.4

private_display_cleanup() {
  local i
  for ((i = ${#tracked[@]} - 1; i >= 0; i--)); do kill "${tracked[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  for hook in "${exit_hooks[@]}"; do "$hook"; done
  rm -rf "$work"
}
trap private_display_cleanup EXIT

fail() {
  if [ -n "$fail_log" ] && [ -s "$fail_log" ]; then cat "$fail_log" >&2; fi
  echo "FAIL${fail_context:+ ($fail_context)}: $*" >&2
  exit 1
}

track() { tracked+=("$1"); }
at_exit() { exit_hooks+=("$1"); }

ends() {
  local pid=$1 rest=() p
  for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "$2"
  status=0
  wait "$pid" || status=$?
  for p in "${tracked[@]}"; do [ "$p" = "$pid" ] || rest+=("$p"); done
  tracked=("${rest[@]}")
}

start_xvfb() {
  local root=
  case ${1:-} in
    --visible-in) root=$2 ;;
    '') ;;
    *) fail "start_xvfb: unknown option $1" ;;
  esac
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
  track $!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb did not start"
  DISPLAY=":$(head -n 1 "$work/display")"
  export DISPLAY
  if [ -n "$root" ]; then
    [ -S "$root/tmp/.X11-unix/X${DISPLAY#:}" ] || fail "the X server is not visible inside $root"
  fi
}

headless_game() {
  export QT_QPA_PLATFORM=xcb LIBGL_ALWAYS_SOFTWARE=1
  if [ "${1:-}" = --real-sound ]; then
    unset SDL_AUDIODRIVER SDL_DISKAUDIOFILE
  else
    export SDL_AUDIODRIVER=dummy
  fi
}

focus() {
  local id
  id=$(timeout "$focus_timeout" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) ||
    fail "${2:-no window \"$1\"}"
  xdotool windowfocus --sync "$id"
}

keys() {
  for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep "$key_delay"
  done
}

shows() {
  local kept
  for _ in $(seq "${2:-40}"); do
    import -window root "$work/screen.ppm"
    "$screen_check" "$work/screen.ppm" "$1" >"$work/verdict" && return 0
    sleep 0.2
  done
  kept=${TMPDIR:-/tmp}/zorbil-${fail_context:-screen}-$1.png
  convert "$work/screen.ppm" "$kept"
  fail "$1 expected: $(cat "$work/verdict"); screen kept as $kept"
}
