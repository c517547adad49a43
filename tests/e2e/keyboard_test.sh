#!/usr/bin/env bash
# Works the real game with real key presses alone: Tab walks the window's tab order with the
# setup panel closed and open, Return on "Setup" opens the panel, the arrow keys step the
# roll-out one at a time between its two ends and change the level and the tree each within its
# own group, and Space ticks and clears "Mute Sound Effects".
# Usage: keyboard_test.sh GAME   (on an X display)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

# A button's left edge turns black while it has the focus: a pixel just inside it, half-way down.
declare -A edge_x=() edge_y=()
for button in Stage:Command1 Setup:Command3 Quit:Command2; do
    read -r "edge_x[${button%:*}]" "edge_y[${button%:*}]" <<<"$(inside "${button#*:}" 1 20)"
done
# Where an option's or the check box's caption sits, right of its mark: the focus frame is drawn
# around it.
declare -A caption_area=([Level1]="$(inside 'Level(1)' 14 0) 100 16"
    [Level3]="$(inside 'Level(3)' 14 0) 60 16" [Tree2]="$(inside 'Tree(2)' 13 0) 80 16"
    [Check1]="$(inside Check1 14 3) 100 17")
# The centre of each option's round mark: dark when selected.
declare -A dot_x=() dot_y=()
for option in Level1 Level2 Level3 Level4 Level5 Tree1 Tree2; do
    read -r "dot_x[$option]" "dot_y[$option]" <<<"$(inside "${option%?}(${option: -1})" 6 8)"
done
# The check box's square, and the row of pixels through the middle of the roll-out bar.
check_box="$(inside Check1 2 5) 10 10"
roll_out_row="$(inside RollOut 0 $((layout_height[RollOut] / 2))) ${layout_width[RollOut]}"
readonly check_box roll_out_row
reference="$(mktemp --suffix=.rgb)" before="$(mktemp --suffix=.rgb)"
on_cleanup 'rm -f "$reference" "$before"'

key() {
    xdotool key "$@"
    sleep 0.3
    capture
}
# What the last capture shows the focus on: a button, an option or the check box, or "none".
# The options' frames are compared with $reference, taken with the focus on a button.
focus_shown() {
    local name
    for name in Stage Setup Quit; do
        [[ $(pixel "${edge_x[$name]}" "${edge_y[$name]}") == "#000000" ]] && echo "$name" && return
    done
    for name in "${!caption_area[@]}"; do
        # shellcheck disable=SC2086  # the area is four numbers
        (($(pixels_changed ${caption_area[$name]} "$reference" "$e2e_shot") > 20)) &&
            echo "$name" && return
    done
    echo none
}
expect_focus() {  # WHAT STEP
    local shown
    shown=$(focus_shown)
    [[ "$shown" == "$1" ]] || fail "$2: the focus shows on $shown, expected $1"
}
# The selected member of an option array in the last capture.
selected() {  # Level|Tree
    local name
    for name in "${!dot_x[@]}"; do
        [[ "$name" == "$1"* && $(pixel "${dot_x[$name]}" "${dot_y[$name]}") == "#4B4B4B" ]] &&
            echo "$name"
    done
}
# The left edge of the roll-out bar's light handle, in pixels from the bar's left end.
handle_at() {
    local x y width
    read -r x y width <<<"$roll_out_row"
    convert -size "${e2e_width}x$e2e_height" -depth 8 "rgb:${e2e_shot}[${width}x1+$x+$y]" txt:- |
        awk 'NR > 1 { split($1, at, ","); split(substr($2, 2), rgb, ",");
                      if (at[1] > 13 && rgb[1] > 240) { print at[1]; exit } }'
}
# Presses KEY COUNT times and prints the handle's place after each press.
handle_walk() {  # KEY COUNT
    local i
    for ((i = 0; i < $2; i++)); do
        key "$1"
        echo -n "$(handle_at) "
    done
}
# Checks that a walk moved the handle one way at every press until it stopped, MOVES times.
expect_steps() {  # START DIRECTION MOVES WALK...
    local last=$1 direction=$2 moves=$3 moved=0 at
    shift 3
    for at in "$@"; do
        if ((at != last)); then
            (((at - last) * direction > 0)) || fail "the handle went the wrong way: $last to $at"
            ((moved == moves)) && fail "the handle moved on past its end: $last to $at"
            moved=$((moved + 1))
        fi
        last=$at
    done
    ((moved == moves)) || fail "the handle moved $moved times, expected $moves"
}

start_game "$1"
xdotool windowfocus --sync "$window"
sleep 0.3
capture
expect_focus Stage "at the start"
echo "panel closed: Tab walks Quit, Setup, Stage"
for stop in Quit Setup Stage; do
    key Tab
    expect_focus "$stop" "Tab, panel closed"
done

key Tab Tab
expect_focus Setup "before Return"
key Return
expect_pixel "setup backdrop after Return on Setup" "$backdrop_x" "$backdrop_y" "#0000FF"
cp "$e2e_shot" "$reference"
echo "panel open: Tab walks Level3, Tree2, Check1, Stage, Quit, the roll-out, Done"
for stop in Level3 Tree2 Check1 Stage Quit; do
    key Tab
    expect_focus "$stop" "Tab, panel open"
done
key Tab
expect_focus none "Tab to the roll-out"
start=$(handle_at)
down=$(handle_walk Left 12)
up=$(handle_walk Right 22)
echo "roll-out handle at $start; Left x12: $down; Right x22: $up"
# shellcheck disable=SC2086  # lists of places
expect_steps "$start" -1 10 $down
# shellcheck disable=SC2086
expect_steps "${down##* }" 1 20 ${up% }
handle_walk Left 10 >/dev/null
[[ $(handle_at) == "$start" ]] || fail "ten steps back from 475 did not bring the handle to 465"
key Tab
expect_focus Setup "Tab from the roll-out"

key Tab
expect_focus Level3 "Tab to the levels"
for step in "Down Level4" "Down Level5" "Down Level5" "Up Level4" "Up Level3" "Up Level2" \
    "Up Level1" "Up Level1"; do
    read -r k want <<<"$step"
    key "$k"
    [[ $(selected Level) == "$want" ]] || fail "$k: level $(selected Level), expected $want"
    [[ $(selected Tree) == Tree2 ]] || fail "$k on the levels changed the tree to $(selected Tree)"
done
key Tab
for step in "Up Tree1" "Up Tree1" "Down Tree2" "Down Tree2" "Up Tree1"; do
    read -r k want <<<"$step"
    key "$k"
    [[ $(selected Tree) == "$want" ]] || fail "$k: tree $(selected Tree), expected $want"
    [[ $(selected Level) == Level1 ]] || fail "$k on the trees changed the level to $(selected Level)"
done
echo "arrows: level and tree each changed within its own group"

key Tab
cp "$e2e_shot" "$before"
key space
# shellcheck disable=SC2086
ticked=$(pixels_changed $check_box "$before" "$e2e_shot")
key space
# shellcheck disable=SC2086
cleared=$(pixels_changed $check_box "$before" "$e2e_shot")
echo "Space on Mute Sound Effects: $ticked pixels of the box changed, then $cleared"
((ticked > 5)) || fail "Space did not tick Mute Sound Effects"
((cleared == 0)) || fail "a second Space did not clear Mute Sound Effects"
stop_game
finish
