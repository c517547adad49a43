#!/usr/bin/env bash
# Plays four races with a real mouse: two clean launches a known time after the green was seen,
# a release after the first amber and a tap during staging. Ctrl+T opens the time slip beside
# the race window, clear of the tree, and Ctrl+C copies one row per release. Closed by another
# program, the slip comes back on Ctrl+T.
# Usage: time_slip_test.sh GAME   (on an X display, with a sound server)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"
readonly header=$'run\ttree\tlevel\trollout\treaction\tplayer\tcomputer\tresult\tonset\tstart delay\trelease\tcar delay'

start_game "$1"
for wait_s in 0.3 0.6; do
    press_race_button
    green_at=$(wait_for_lamp Shape4 "$lit_green" 8000)
    [[ -n "$green_at" ]] || die "the player's green never lit"
    sleep "$wait_s"
    release_race_button
    echo "green seen $green_at ms after the press, released $((released - pressed)) ms after it"
    sleep 2  # the launch sound
done
press_race_button
# Any amber will do: each is lit for only half a second, and all come before the green.
[[ -n "$(wait_for_lamp Shape1 "$lit_amber" 8000 Shape2 Shape3)" ]] || die "no amber lit"
release_race_button
sleep 2
press_race_button
release_race_button
sleep 2

xdotool key --window "$window" ctrl+t
slip=$(find_window '^Korvane Time Slip$' 10)
[[ -n "$slip" ]] || die "Ctrl+T showed no time slip"
eval "$(xdotool getwindowgeometry --shell "$window" | sed 's/^/RACE_/')"
eval "$(xdotool getwindowgeometry --shell "$slip" | sed 's/^/SLIP_/')"
tree_right=$((RACE_X + ${layout_left[Shape1]} + ${layout_width[Shape1]}))
echo "race window at $RACE_X, tree's right edge at $tree_right, slip at $SLIP_X"
((SLIP_X > tree_right || SLIP_X + SLIP_WIDTH < RACE_X + ${layout_left[Shape10]})) ||
    fail "the slip lies over the tree"

xdotool mousemove --window "$slip" 300 60 click 1
sleep 0.3
xdotool key --window "$slip" ctrl+c
sleep 0.5
copied=$(xclip -o -selection clipboard)
echo "$copied"
mapfile -t rows <<<"$copied"
[[ "${rows[0]}" == "$header" ]] || fail "the header row is '${rows[0]}'"
((${#rows[@]} == 5)) || fail "${#rows[@]} lines copied, expected a header and four runs"

# Fields: run tree level rollout reaction player computer result onset.
field() { cut -f"$2" <<<"${rows[$1]}"; }
for run in 1 2; do
    reaction=$(field "$run" 5)
    low=$([[ $run == 1 ]] && echo 300 || echo 600)
    ms=$(awk -v r="$reaction" 'BEGIN { printf "%d", r * 1000 }')
    echo "run $run: R/T $reaction after waiting $low ms"
    ((ms >= low - 20 && ms <= low + 1500)) || fail "run $run's R/T $reaction is off the wait"
    [[ "$(field "$run" 8)" != "red light" ]] || fail "run $run is a red light"
    [[ "$(field "$run" 9)" == "sent to screen" ]] ||
        fail "run $run's onset on X11 is '$(field "$run" 9)'"
    [[ "$(field "$run" 3)" == Normal ]] || fail "run $run's level is '$(field "$run" 3)'"
done
[[ "$(field 3 8)" == "red light" ]] || fail "the release after the first amber is not a red light"
[[ "$(field 3 5)" == -* ]] || fail "the early release's R/T is not negative"
[[ "$(field 4 8)" == "red light" && -z "$(field 4 5)" ]] ||
    fail "the tap during staging should be a red light without R/T"

# Closed by another program, the slip comes back on Ctrl+T with the same runs.
xdotool windowclose "$slip"
sleep 0.5
echo -n | xclip -selection clipboard
focus_window "$window"
xdotool key ctrl+t
slip=$(timeout 10 xdotool search --sync --onlyvisible --name '^Korvane Time Slip$' | head -n1)
[[ -n "$slip" ]] || die "Ctrl+T showed no time slip after another program closed it"
xdotool mousemove --window "$slip" 300 60 click 1 sleep 0.3 key --window "$slip" ctrl+c
sleep 0.5
[[ "$(xclip -o -selection clipboard)" == "$copied" ]] || fail "the slip came back without its runs"

focus_window "$window"
xdotool key ctrl+t
sleep 1
[[ -z "$(xdotool search --onlyvisible --name '^Korvane Time Slip$')" ]] ||
    fail "a second Ctrl+T left the slip on screen"
stop_game
finish
