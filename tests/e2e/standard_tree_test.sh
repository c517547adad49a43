#!/usr/bin/env bash
# Races the real game on the Standard Tree with a real mouse button held on the race button:
# from screenshots, the ambers step down both lanes 500 ms apart from 500 ms after the hand-over
# and the greens come 2000 ms after it; letting go after the green lights the player's green,
# shows exactly one "Winner" flag and adds one to that side's counter.
# Usage: standard_tree_test.sh GAME   (on an X display, with a sound server)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

start_game "$1"
before_race="$(mktemp --suffix=.rgb)"
on_cleanup 'rm -f "$before_race"'
capture "$before_race"

press_race_button
staged_at=""
declare -A seen=()  # lamp -> first time it was seen lit
samples=0
lit_colour() {  # LAMP: the colour that lamp has when lit
    case "$1" in Shape4 | Shape7) echo "$lit_green" ;; Shape5 | Shape6) echo "$lit_red" ;;
    *) echo "$lit_amber" ;; esac
}
lanes_done() { [[ -n "${seen[Shape4]:-}" && -n "${seen[Shape7]:-}${seen[Shape6]:-}" ]]; }
while (($(now_ms) - pressed < 7000)); do
    sample
    samples=$((samples + 1))
    [[ -z "$staged_at" && $(pixel "$staged_x" "$staged_y") == "$pale_yellow" ]] && staged_at=$t
    [[ -z "$staged_at" ]] && continue
    for lane in "Shape1 Shape2 Shape3" "Shape10 Shape9 Shape8"; do
        lit=0
        for l in $lane; do
            [[ $(lamp "$l") == "$lit_amber" ]] || continue
            lit=$((lit + 1))
            [[ -z "${seen[$l]:-}" ]] && seen[$l]=$t
        done
        ((lit <= 1)) || fail "$lit ambers of one lane lit at once at $t ms"
    done
    for l in Shape4 Shape7 Shape6; do
        [[ -z "${seen[$l]:-}" && $(lamp "$l") == "$(lit_colour "$l")" ]] && seen[$l]=$t
    done
    lanes_done && (($(now_ms) - pressed > ${seen[Shape4]} + 500)) && break
done
# Past the player's red-light boundary (35 clock ticks after the hand-over) by a wide margin.
release_race_button

echo "$samples screenshots; after the press: Staged lit by ${staged_at:-never} ms;" \
    "player ambers ${seen[Shape1]:-never}, ${seen[Shape2]:-never}, ${seen[Shape3]:-never}," \
    "green ${seen[Shape4]:-never}; computer ambers ${seen[Shape10]:-never}," \
    "${seen[Shape9]:-never}, ${seen[Shape8]:-never}, green ${seen[Shape7]:-never}" \
    "red ${seen[Shape6]:-none}; released at $((released - pressed)) ms"

within() {  # WHAT VALUE LOW HIGH
    [[ -n "$2" ]] && (($2 >= $3 && $2 <= $4)) || fail "$1 at ${2:-never} ms, expected $3..$4"
}
within "Staged" "$staged_at" 1300 2300
# The hand-over comes 2400 ms after the press; the ambers step every 500 ms from 500 ms on.
for lane in "Shape1 Shape2 Shape3 Shape4" "Shape10 Shape9 Shape8 Shape7"; do
    read -r first second third green <<<"$lane"
    [[ "$green" == Shape7 && -z "${seen[Shape7]:-}" ]] && green=Shape6  # the computer red-lit
    within "$first" "${seen[$first]:-}" 2600 3700
    [[ -n "${seen[$first]:-}" ]] || continue
    within "$second after $first" "$((${seen[$second]:-0} - seen[$first]))" 250 900
    within "$third after $first" "$((${seen[$third]:-0} - seen[$first]))" 750 1400
    within "$green after $first" "$((${seen[$green]:-0} - seen[$first]))" 1250 1900
    within "$green" "${seen[$green]:-}" 4100 5400
done

# The launch sound blocks the game for a second; the outcome is on screen before it.
sleep 1.5
capture
expect_lamp Shape4 "$lit_green"
expect_lamp Shape5 "$dim_red"
# shellcheck disable=SC2046  # each area is four numbers
computer_flag=$(pixels_changed $(flag_area Text3 Text2) "$before_race" "$e2e_shot")
# shellcheck disable=SC2046
player_flag=$(pixels_changed $(flag_area Text4 Text1) "$before_race" "$e2e_shot")
# shellcheck disable=SC2046
computer_count=$(pixels_changed $(area Text8 1) "$before_race" "$e2e_shot")
# shellcheck disable=SC2046
player_count=$(pixels_changed $(area Text7 1) "$before_race" "$e2e_shot")
echo "pixels changed since the press: Winner flags computer $computer_flag, player $player_flag;" \
    "counters computer $computer_count, player $player_count"
if ((computer_flag > 40 && player_flag == 0)); then
    ((computer_count > 10 && player_count == 0)) || fail "the computer won but its counter did not move alone"
elif ((player_flag > 40 && computer_flag == 0)); then
    ((player_count > 10 && computer_count == 0)) || fail "the player won but their counter did not move alone"
else
    fail "not exactly one Winner flag shows"
fi
stop_game
finish
