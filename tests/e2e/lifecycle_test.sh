#!/usr/bin/env bash
# Drives the real game from start to quit on the X display in $DISPLAY, with the PulseAudio
# null sink of scripts/with-pulse-null-sink: the splash must come first and stay until the
# start-up sound has played, then the race window shows; Quit shows a box titled "Korvane",
# and dismissing it ends the game with status 0.
# Usage: lifecycle_test.sh GAME
set -uo pipefail
game="$1"
source "$(dirname "$0")/e2e_lib.sh"
# The screen is black where no window is; the splash lies at the centre of the screen.
splash_showing() {
    local size colour x y
    size=$(xdpyinfo | awk '/dimensions:/ {print $2}')
    x=$((${size%x*} / 2 - ${layout_width[Splash]} / 2 + splash_sky_x))
    y=$((${size#*x} / 2 - ${layout_height[Splash]} / 2 + splash_sky_y))
    colour=$(import -window root -crop "1x1+$x+$y" \
        -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n1)
    [[ -n "$colour" && "$colour" != "#000000" ]]
}

started=$(now_ms)
launch_game "$game"

splash_at="" splash_gone_at="" race_at="" window=""
while (($(now_ms) - started < 15000)); do
    window=$(race_window)
    t=$(($(now_ms) - started))
    if [[ -n "$window" ]]; then
        race_at=$t
        break
    fi
    # The splash goes when the sound has ended; the race window maps a moment later.
    if splash_showing; then
        [[ -z "$splash_at" ]] && splash_at=$t
    elif [[ -n "$splash_at" && -z "$splash_gone_at" ]]; then
        splash_gone_at=$t
    fi
    sleep 0.05
done
echo "splash first seen at ${splash_at:-never} ms, race window at ${race_at:-never} ms"
[[ -n "$splash_at" ]] || die "the splash window never showed"
[[ -n "$race_at" ]] || die "the race window never showed"
# FiredUp.wav lasts 1.5 s: neither may the splash go nor the race window come before most of
# it has played.
echo "splash gone at ${splash_gone_at:-never} ms"
((race_at - splash_at >= 1300)) || die "the race window came $((race_at - splash_at)) ms after the splash"
if [[ -n "$splash_gone_at" ]]; then
    ((splash_gone_at - splash_at >= 1300)) ||
        die "the splash went $((splash_gone_at - splash_at)) ms after it showed"
fi

if [[ -n "${KORVANE_SINK_RECORDING:-}" ]]; then
    rms=$(sox -t raw -r 44100 -e signed -b 16 -c 1 "$KORVANE_SINK_RECORDING" -n stat 2>&1 |
        awk '/RMS +amplitude/ {print $3}')
    echo "start-up sound on the sink: RMS amplitude $rms"
    awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.01) }' || die "no start-up sound reached the sink"
fi

sleep 0.3
# Quit: the button at the lower right of the race window.
quit_through_farewell
echo "exit status $status, $quit_ms ms after the farewell was dismissed"
((status == 0)) || die "the game ended with status $status"
echo "PASS"
