#!/usr/bin/env bash
# Started without standard streams, the game must not write its lines into whatever took their
# numbers (the X connection, once). Runs a copy of the real game whose race sounds are not wave
# files, so every release has something to say: once with stderr closed, once with stderr on a
# pipe whose reader has gone, once with stdin and stdout closed and no sound server at all. Each time two races run and Quit ends the game with
# status 0; in the second, stderr tells each problem once and PipeWire adds nothing of its own.
# Usage: closed_streams_test.sh GAME   (on an X display, with scripts/with-pulse-null-sink)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

game="$1"
copy=$(mktemp -d /tmp/korvane-e2e-XXXXXX)
on_cleanup 'rm -rf "$copy"'
data="$copy/bin/${KORVANE_DATA_FROM_BIN:-../share/korvane}"
mkdir -p "$copy/bin" "$data" "$copy/run"
copy_game "$game" "$copy"
sox -n -r 44100 -c 1 -b 16 "$data/FiredUp.wav" synth 0.2 sine 330 vol 0.5
echo "not a sound" >"$data/launch.wav"
echo "not a sound" >"$data/redlight.wav"

# Two races, each let go half a second after the player's green; then Quit.
race_twice_and_quit() {  # HOW
    wait_for_race_window
    for race in 1 2; do
        kill -0 "$game_pid" 2>/dev/null || { wait "$game_pid"; die "$1: the game ended with status $?"; }
        press_race_button
        [[ -n $(wait_for_lamp Shape4 "$lit_green" 7000) ]] ||
            die "$1: the player's green never lit in race $race"
        sleep 0.5
        release_race_button
        sleep 1
    done
    quit_through_farewell
    echo "$1: two races, then status $status"
    ((status == 0)) || fail "$1: the game ended with status $status"
}

"$copy/bin/korvane" 2>&- &
game_pid=$!
race_twice_and_quit "stderr closed"

"$copy/bin/korvane" 2> >(true) &
game_pid=$!
race_twice_and_quit "stderr on a pipe with no reader"

log="$copy/stderr"
env -u SDL_AUDIODRIVER PULSE_SERVER="unix:$copy/run/none" XDG_RUNTIME_DIR="$copy/run" \
    "$copy/bin/korvane" <&- >&- 2>"$log" &
game_pid=$!
race_twice_and_quit "stdin and stdout closed, no sound server"
grep -q "launch.wav: no sound server" "$log" || fail "no line on the launch sound: $(cat "$log")"
repeated=$(sort "$log" | uniq -d)
[[ -z "$repeated" ]] || fail "said more than once: $repeated"
grep -q '^\[[EWI]\]' "$log" && fail "PipeWire's own lines: $(grep '^\[[EWI]\]' "$log")"
finish
