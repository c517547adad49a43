#!/usr/bin/env bash
# Drives the real game from start to quit as a native Wayland client of the weston started by
# scripts/with-weston, nested in the X display in $DISPLAY (the game itself gets no DISPLAY):
# the splash comes first, undecorated, and stays while the start-up sound reaches the null sink
# of scripts/with-pulse-null-sink; then the race window shows under the game's desktop id; a
# real click on Quit shows the box titled "Korvane", and Return on it ends the game with status 0.
# Between, two races, and Ctrl+T then Ctrl+C copy the time slip: its runs were timed from the
# compositor's presentation of the green. It leaves the race window's picture, title bar and
# all, in wayland-race-window.png, and the output with the slip in wayland-time-slip.png.
# Usage: wayland_lifecycle_test.sh GAME   (starts its own weston, smaller than the X screen)
set -uo pipefail
if [[ -z "${WAYLAND_DISPLAY:-}" ]]; then
    KORVANE_WESTON_SIZE=960x720 exec "$(dirname "$0")/../../scripts/with-weston" "$0" "$@"
fi
game="$1"
source "$(dirname "$0")/e2e_lib.sh"

# The first of the game's windows titled TITLE as weston lays it out: "LEFT TOP RIGHT BOTTOM APP-ID".
window_titled() {  # TITLE
    timeout 5 weston-debug scene-graph 2>/dev/null |
        grep -A1 --no-group-separator "xdg_toplevel, PID $game_pid," |
        sed -n "s/.*window '\(.*\)' of \([^,]*\),.*/\2\t\1/p
                s/.*position: (\(.*\), \(.*\)) -> (\(.*\), \(.*\))/\1 \2 \3 \4/p" |
        paste - - | awk -F '\t' -v t="$1" '$2 == t { print $3, $1; exit }'
}

started=$(now_ms)
env -u DISPLAY QT_QPA_PLATFORM=wayland "$game" >"${e2e_game_log:-/dev/null}" 2>&1 &
game_pid=$!

splash="" splash_at="" race_at=""
while (($(now_ms) - started < 20000)); do
    t=$(($(now_ms) - started))
    race=$(window_titled "${layout_caption[Main]}") && [[ -n "$race" ]] && race_at=$t && break
    # The splash has no title of its own: it goes by the program's name.
    [[ -z "$splash" ]] && splash=$(window_titled "Korvane") && [[ -n "$splash" ]] && splash_at=$t
    sleep 0.05
done
echo "splash at ${splash_at:-never} ms: ${splash:-none}; race window at ${race_at:-never} ms: ${race:-none}"
[[ -n "$splash" ]] || die "the splash window never showed"
[[ -n "$race" ]] || die "the race window never showed"
read -r left top right bottom app <<<"$splash"
(((right - left) == layout_width[Splash] && (bottom - top) == layout_height[Splash])) ||
    fail "the splash is $((right - left))x$((bottom - top)), expected the picture's own size (no frame)"
[[ "$app" == "org.korvane.Korvane" ]] || fail "the splash's app id is $app"
# FiredUp.wav lasts 1.5 s: the race window comes only after most of it has played.
((race_at - splash_at >= 1300)) || fail "the race window came $((race_at - splash_at)) ms after the splash"

read -r left top right bottom app <<<"$race"
[[ "$app" == "org.korvane.Korvane" ]] || fail "the race window's app id is $app"
# Qt draws the title bar above the client area and an equal border on the other three sides.
border=$(((right - left - layout_width[Main]) / 2))
client_x=$((left + border)) client_y=$((bottom - border - layout_height[Main]))
echo "race window client area at $client_x,$client_y"

rms=$(sox -t raw -r 44100 -e signed -b 16 -c 1 "$KORVANE_SINK_RECORDING" -n stat 2>&1 |
    awk '/RMS +amplitude/ {print $3}')
echo "start-up sound on the sink: RMS amplitude $rms"
awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.01) }' || fail "no start-up sound reached the sink"

# Weston shows a window once it has a frame: the race window is painted.
sleep 0.5
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    wayland-race-window.png

# Weston's X window follows the pointer by relative motion from where it last entered: the
# pointer enters from the X screen's spare corner first (the screen is larger than weston's).
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')
point_at() {  # X Y   in weston's output
    xdotool mousemove $((screen_w - 1)) $((screen_h - 1))
    sleep 0.2
    xdotool mousemove "$1" "$2"
    sleep 0.2
}
output_pixel() {  # X Y
    local bytes
    bytes=$(import -window root -crop "1x1+$1+$2" -depth 8 rgb:- | od -An -tu1)
    # shellcheck disable=SC2086  # three numbers to split
    printf '#%02X%02X%02X' $bytes
}

# Two clean races, released a known time after the player's green was seen.
green_x=$((client_x + lamp_x[Shape4])) green_y=$((client_y + lamp_y[Shape4]))
for wait_ms in 300 600; do
    point_at $((client_x + race_button_x)) $((client_y + race_button_y))
    xdotool mousedown 1
    pressed=$(now_ms) green_at="" dimmed=""
    # The press dims the last race's green: weston may still show it for a frame or two.
    while (($(now_ms) - pressed < 10000)); do
        lamp_now=$(output_pixel "$green_x" "$green_y")
        [[ "$lamp_now" != "$lit_green" ]] && dimmed=1
        [[ -n "$dimmed" && "$lamp_now" == "$lit_green" ]] && green_at=$(($(now_ms) - pressed)) && break
    done
    [[ -n "$green_at" ]] || die "the player's green never lit"
    sleep "0.$wait_ms"
    xdotool mouseup 1
    echo "green seen $green_at ms after the press, released after $wait_ms ms more"
    sleep 2  # the launch sound
done

# The slip comes where weston puts it; a click in its table gives it the keyboard for Ctrl+C.
xdotool key ctrl+t
for _ in $(seq 100); do
    slip=$(window_titled "Korvane Time Slip") && [[ -n "$slip" ]] && break
    sleep 0.05
done
[[ -n "$slip" ]] || die "Ctrl+T showed no time slip"
read -r slip_left slip_top slip_right slip_bottom _ <<<"$slip"
echo "time slip at $slip_left,$slip_top - $slip_right,$slip_bottom"
point_at $(((slip_left + slip_right) / 2)) $((slip_top + 80))
xdotool click 1
sleep 0.5
import -window root wayland-time-slip.png
xdotool key ctrl+c
sleep 0.5
copied=$(timeout 10 wl-paste --no-newline --type text/plain)
echo "$copied"
mapfile -t rows <<<"$copied"
((${#rows[@]} == 3)) || fail "${#rows[@]} lines copied, expected a header and two runs"
field() { cut -f"$2" <<<"${rows[$1]:-}"; }
[[ "$(field 0 9)" == onset ]] || fail "the header row is '${rows[0]:-}'"
for run in 1 2; do
    low=$((run == 1 ? 300 : 600))
    ms=$(awk -v r="$(field "$run" 5)" 'BEGIN { printf "%d", r * 1000 }')
    # The green is seen up to one poll after it lit: a loaded machine adds to that.
    ((ms >= low - 20 && ms <= low + 1500)) || fail "run $run's R/T $ms ms is off the $low ms wait"
    [[ "$(field "$run" 9)" == shown ]] || fail "run $run's onset is '$(field "$run" 9)'"
done

# A click on the race window's top row of pixels, clear of every control, brings it to the
# front: on its left where the slip leaves that in view, else right of the slip (the narrower).
front_y=$((client_y + 3)) front_x=$((client_x + 5))
((slip_left <= front_x && slip_top <= front_y && front_y <= slip_bottom)) && front_x=$((slip_right + 5))
point_at "$front_x" "$front_y"
xdotool click 1
sleep 0.3
read -r quit_x quit_y <<<"$(centre Command2)"
point_at $((client_x + quit_x)) $((client_y + quit_y))
xdotool click 1
for _ in $(seq 100); do box=$(window_titled "Korvane") && [[ -n "$box" ]] && break; sleep 0.05; done
[[ -n "$box" ]] || die "no message box titled Korvane appeared"
kill -0 "$game_pid" 2>/dev/null || die "the game ended before the farewell was dismissed"
sleep 0.3
xdotool key Return

for _ in $(seq 100); do kill -0 "$game_pid" 2>/dev/null && sleep 0.05; done
kill -0 "$game_pid" 2>/dev/null && die "the game still runs after the farewell was dismissed"
wait "$game_pid"
status=$?
game_pid=""
echo "exit status $status"
((status == 0)) || fail "the game ended with status $status"
finish
