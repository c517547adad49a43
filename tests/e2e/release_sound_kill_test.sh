#!/usr/bin/env bash
# A run on the board is in the logbook before its race sound plays: a copy of the real game whose
# launch and red-light sounds last 2 s each is killed with kill -9 300 ms after a release, while
# that sound plays, and every such run is read back through --export-logbook.
# Usage: release_sound_kill_test.sh GAME   (on an X display, with scripts/with-pulse-null-sink)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"
game="$1"
work=$(mktemp -d /tmp/korvane-sound-kill-XXXXXX)
on_cleanup 'rm -rf "$work"'
from_bin="${KORVANE_DATA_FROM_BIN:-../share/korvane}"
data="$work/bin/$from_bin"
mkdir -p "$work/bin" "$data"
copy_game "$game" "$work"
sox -n -r 44100 -c 1 -b 16 "$data/FiredUp.wav" synth 0.2 sine 330 vol 0.5
for sound in launch redlight; do
    sox -n -r 44100 -c 1 -b 16 "$data/$sound.wav" synth 2 sine 440 vol 0.5
done
logbook="$work/logbook.sqlite"
results() {
    env -u DISPLAY "$work/bin/korvane" --logbook "$logbook" --export-logbook - |
        tail -n +2 | cut -d, -f13 | tr -d '\r' | tr '\n' ' '
}

# Each row: how the run is released, and the result it must be kept with.
rows=("after-green win|loss" "tap red light" "after-green win|loss" "tap red light")
for row in "${rows[@]}"; do
    start_game "$work/bin/korvane" --logbook "$logbook"
    press_race_button
    if [[ "$row" == after-green* ]]; then
        [[ -n "$(wait_for_lamp Shape4 "$lit_green" 8000)" ]] || die "the player's green never lit"
        sleep 0.2
    fi
    release_race_button
    sleep 0.3
    kill -9 "$game_pid" && wait "$game_pid" 2>/dev/null
    game_pid=""
done
got=$(results)
echo "kept: $got"
[[ "$got" =~ ^(win|loss)\ red\ light\ (win|loss)\ red\ light\ $ ]] ||
    fail "runs lost to a kill during the release sound: kept '$got' of four"
[[ "$(sqlite3 "$logbook" 'PRAGMA integrity_check')" == ok ]] || fail "the logbook is damaged"
finish
