#!/usr/bin/env bash
# A controller input chosen in the practice settings is the only one that races: the game's
# virtual joystick (bin/korvane-bench, driven through a named pipe) stages and launches when its
# button is the one chosen, and does nothing when another controller's, or its own other
# input, is.
# Usage: chosen_controller_test.sh BENCH-GAME   (on an X display, with a sound server)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

pipe="$e2e_home/joystick"
mkfifo "$pipe"
e2e_game_log="$e2e_home/game.log"
conf="$XDG_CONFIG_HOME/korvane/practice.conf"
mkdir -p "$(dirname "$conf")"

# Starts the game with INPUT (GUID KIND INDEX, or nothing) chosen; sets $guid to the joystick's.
start_choosing() {
    printf '%s\n' '[controller]' "guid=$1" "kind=${2:-0}" "index=${3:-0}" >"$conf"
    KORVANE_BENCH_JOYSTICK="$pipe" launch_game "$game"
    exec {writer}>"$pipe"
    wait_for_race_window
    guid=$(sed -n 's/^korvane: benchmark joystick //p' "$e2e_game_log")
}
# Presses the joystick's button; prints the Staged indicator's colour once the staging walk
# would have lit it (1.6 s), then lets go.
press_joystick() {
    printf d >&"$writer"
    sleep 2.1
    capture
    pixel "$staged_x" "$staged_y"
    printf u >&"$writer"
    sleep 2
}
stop_choosing() {
    exec {writer}>&-
    stop_game
}

game="$1"
start_choosing ""
[[ -n "$guid" ]] || die "the game's virtual joystick did not start"
echo "the virtual joystick's GUID is $guid"
staged_colour=$(press_joystick)
[[ "$staged_colour" == "$pale_yellow" ]] || fail "with any controller, its button did not stage"
stop_choosing
for choice in "$guid 0 0:$pale_yellow" "03000000000000000000000000000000 0 0:none" \
    "$guid 0 1:none"; do
    read -r -a chosen <<<"${choice%:*}"
    start_choosing "${chosen[@]}"
    colour=$(press_joystick)
    echo "chosen ${chosen[*]}: the Staged indicator shows $colour"
    if [[ "${choice#*:}" == none ]]; then
        [[ "$colour" != "$pale_yellow" ]] || fail "an input not chosen (${chosen[*]}) staged a race"
    else
        [[ "$colour" == "$pale_yellow" ]] || fail "the chosen input (${chosen[*]}) did not stage"
    fi
    stop_choosing
done
finish
