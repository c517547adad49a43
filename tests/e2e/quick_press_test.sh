#!/usr/bin/env bash
# A press soon after a release stages a race like any other, though the window system reports it
# as the second click of a double click: the race button of the real game is tapped, pressed
# again 50, 150 and 300 ms after it came up, and held. Held, the button shows its yellow staging
# face and the board is cleared of the tap's result; the lamps then run.
# Usage: quick_press_test.sh GAME   (on an X display, with a sound server)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

# The race button's face at rest, and the player's time display on the board.
readonly dark_green="#00C000"
player_time=$(area Text1)
lit_pixels() {  # X Y WIDTH HEIGHT: how many pixels of the last capture are bright (text)
    convert -size "${e2e_width}x$e2e_height" -depth 8 "rgb:${e2e_shot}[$3x$4+$1+$2]" \
        -fx 'r > 0.5 && g > 0.5 && b > 0.5' -format '%[fx:round(mean * w * h)]' info:
}

start_game "$1"
xdotool mousemove --window "$window" "$race_button_x" "$race_button_y"
for gap in 50 150 300; do
    # The tap and the press in one run of xdotool, so that nothing but the gap lies between them.
    xdotool mousedown 1 sleep 0.2 mouseup 1 sleep "$(printf '0.%03d' "$gap")" mousedown 1
    pressed=$(now_ms)
    sleep 2  # the tap's red-light sound holds the game up for most of a second
    capture
    face=$(pixel "$race_face_x" "$race_face_y")
    # shellcheck disable=SC2086  # the area is four numbers
    time_pixels=$(lit_pixels $player_time)
    echo "pressed ${gap} ms after a tap: race button face $face, $time_pixels lit pixels in the player's time"
    [[ "$face" == "$lit_amber" ]] || fail "a press ${gap} ms after a tap did not stage (face $face)"
    # The empty box's light frame is some 350 pixels; the tap's time adds about 800.
    ((time_pixels < 600)) || fail "a press ${gap} ms after a tap left the tap's time on the board"
    amber_at=$(wait_for_lamp Shape1 "$lit_amber" 8000 Shape2 Shape3)
    [[ -n "$amber_at" ]] || fail "no amber lit after the press ${gap} ms after a tap"
    release_race_button
    sleep 1.5  # the release sound blocks the game
    capture
    expect_pixel "race button let go after the ${gap} ms press" "$race_face_x" "$race_face_y" "$dark_green"
done
stop_game
finish
