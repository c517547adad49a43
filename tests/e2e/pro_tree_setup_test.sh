#!/usr/bin/env bash
# Opens the setup panel of the real game with real clicks, picks "Pro Tree", closes the panel
# with "Done" and races: all six ambers light at once, and the greens about 400 ms later.
# Usage: pro_tree_setup_test.sh GAME   (on an X display, with a sound server)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

# A point on the "Pro Tree" option's round button.
read -r pro_tree_x pro_tree_y <<<"$(inside 'Tree(1)' 6 8)"
click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.4
}

start_game "$1"
capture
backdrop_closed=$(pixel "$backdrop_x" "$backdrop_y")
expect_pixel "Setup button" "$setup_face_x" "$setup_face_y" "#0000FF"

click_at "$setup_button_x" "$setup_button_y"
capture
expect_pixel "setup backdrop" "$backdrop_x" "$backdrop_y" "#0000FF"
expect_pixel "setup backdrop outline" "$outline_x" "$backdrop_y" "#00FFFF"
expect_pixel "Done button" "$setup_face_x" "$setup_face_y" "#FFFF00"

click_at "$pro_tree_x" "$pro_tree_y"
click_at "$setup_button_x" "$setup_button_y"
capture
expect_pixel "the scene where the backdrop was" "$backdrop_x" "$backdrop_y" "$backdrop_closed"
expect_pixel "Setup button" "$setup_face_x" "$setup_face_y" "#0000FF"

readonly ambers="Shape1 Shape2 Shape3 Shape10 Shape9 Shape8"
press_race_button
ambers_at="" greens_at="" samples=0
while (($(now_ms) - pressed < 5000)); do
    sample
    samples=$((samples + 1))
    lit=0
    for l in $ambers; do [[ $(lamp "$l") == "$lit_amber" ]] && lit=$((lit + 1)); done
    ((lit == 0 || lit == 6)) || fail "$lit of the six ambers lit at $t ms"
    ((lit == 6)) && [[ -z "$ambers_at" ]] && ambers_at=$t
    if [[ -n "$ambers_at" && $(lamp Shape4) == "$lit_green" ]]; then
        greens_at=$t
        computer=$(lamp Shape7)
        [[ "$computer" == "$lit_green" ]] || [[ $(lamp Shape6) == "$lit_red" ]] ||
            fail "the computer lane shows neither its green nor its red at $t ms"
        ((lit == 0)) || fail "the ambers still lit beside the green at $t ms"
        break
    fi
done
sleep 0.5
release_race_button
echo "$samples screenshots; after the press: six ambers lit by ${ambers_at:-never} ms," \
    "greens by ${greens_at:-never} ms; released at $((released - pressed)) ms"
# The hand-over comes 2400 ms after the press, the ambers 400 ms after it, the greens 400 ms later.
[[ -n "$ambers_at" ]] && ((ambers_at >= 2500 && ambers_at <= 3500)) ||
    fail "the six ambers lit at ${ambers_at:-never} ms, expected 2500..3500"
[[ -n "$greens_at" && -n "$ambers_at" ]] && ((greens_at - ambers_at >= 200 && greens_at - ambers_at <= 800)) ||
    fail "the greens came at ${greens_at:-never} ms, expected 200..800 ms after the ambers"

sleep 1.5
capture
expect_lamp Shape4 "$lit_green"
stop_game
finish
