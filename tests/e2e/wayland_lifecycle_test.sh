#!/usr/bin/env bash
# Drives the real game from start to quit as a native Wayland client of the weston started by
# scripts/with-weston, nested in the X display in $DISPLAY (the game itself gets no DISPLAY):
# the splash comes first, undecorated, and stays while the start-up sound reaches the null sink
# of scripts/with-pulse-null-sink; then the race window shows under the game's desktop id; a
# real click on Quit shows the box titled "Korvane", and Return on it ends the game with status 0.
# It leaves the race window's picture, title bar and all, in wayland-race-window.png.
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
read -r quit_x quit_y <<<"$(centre Command2)"
quit_x=$((client_x + quit_x)) quit_y=$((client_y + quit_y))
sleep 0.5
import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    wayland-race-window.png

# Weston's X window follows the pointer by relative motion from where it last entered: the
# pointer enters from the X screen's spare corner first (the screen is larger than weston's).
read -r screen_w screen_h < <(xdpyinfo | awk '/dimensions:/ { sub("x", " ", $2); print $2 }')
xdotool mousemove $((screen_w - 1)) $((screen_h - 1))
sleep 0.2
xdotool mousemove "$quit_x" "$quit_y"
sleep 0.2
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
