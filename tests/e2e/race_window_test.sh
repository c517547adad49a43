#!/usr/bin/env bash
# Drives the real game on the X display in $DISPLAY (run it through scripts/with-xvfb): finds
# the race window, checks its size and its lamps on screen, holds a real mouse button on the
# race button through the staging walk, lets go, and ends the game.
# Usage: race_window_test.sh GAME
set -uo pipefail
game="$1"
source "$(dirname "$0")/e2e_lib.sh"

start_game "$game"

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
[[ "${WIDTH}x$HEIGHT" == "${e2e_width}x$e2e_height" ]] ||
    fail "client area is ${WIDTH}x$HEIGHT, expected ${e2e_width}x$e2e_height"

# The lamps, a pixel inside each staging indicator and one of the race button's face.
read -r pre_stage_x pre_stage_y <<<"$(inside Label1 1 1)"
capture
for l in Shape10 Shape9 Shape8 Shape1 Shape2 Shape3; do expect_lamp "$l" "$dim_amber"; done
for l in Shape7 Shape4; do expect_lamp "$l" "$dim_green"; done
for l in Shape6 Shape5; do expect_lamp "$l" "$dim_red"; done
expect_pixel Label1 "$pre_stage_x" "$pre_stage_y" "#FFFFFF"
expect_pixel Label2 "$staged_x" "$staged_y" "#FFFFFF"
expect_pixel Command1 "$race_face_x" "$race_face_y" "#00C000"

# Hold the left button on the race button and watch the indicators light.
press_race_button
pre_at="" staged_at="" button_yellow="" samples=0
while (($(now_ms) - pressed < 3000)); do
    sample
    samples=$((samples + 1))
    [[ -z "$button_yellow" && $(pixel "$race_face_x" "$race_face_y") == "#FFFF00" ]] && button_yellow=$t
    pre=$(pixel "$pre_stage_x" "$pre_stage_y")
    staged=$(pixel "$staged_x" "$staged_y")
    if [[ "$pre" == "#FFFF80" ]]; then
        [[ -z "$pre_at" ]] && pre_at=$t
    elif ((t > 1300)); then
        fail "Pre Stage still $pre at $t ms"
    elif ((t >= 0)) && [[ -n "$pre_at" ]]; then
        fail "Pre Stage went out again at $t ms"
    fi
    if [[ "$staged" == "#FFFF80" ]]; then
        [[ -z "$staged_at" ]] && staged_at=$t
    elif ((t > 2100)); then
        fail "Staged still $staged at $t ms"
    fi
done
echo "race button yellow by ${button_yellow:-never} ms; Pre Stage lit by ${pre_at:-never} ms;" \
    "Staged lit by ${staged_at:-never} ms after the press ($samples screenshots in 3 s)"
[[ -n "$button_yellow" ]] && ((button_yellow < 500)) || fail "the race button did not turn yellow"
[[ -n "$pre_at" ]] && ((pre_at >= 600 && pre_at <= 1300)) || fail "Pre Stage lit at ${pre_at:-never}"
[[ -n "$staged_at" ]] && ((staged_at >= 1400 && staged_at <= 2100)) ||
    fail "Staged lit at ${staged_at:-never}"

# Letting go launches: the race button is back to its dark green "Stage (Down)".
release_race_button
sleep 0.5
capture
expect_pixel "Command1 after the release" "$race_face_x" "$race_face_y" "#00C000"

stop_game
finish
