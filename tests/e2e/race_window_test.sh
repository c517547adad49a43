#!/usr/bin/env bash
# Drives the real game on the X display in $DISPLAY (run it through scripts/with-xvfb): finds
# the race window, checks its size and its lamps on screen, holds a real mouse button on the
# race button through the staging walk, lets go, and ends the game.
# Last, it saves a picture of the window as it opens through scripts/screenshot-race.
# Usage: race_window_test.sh GAME [SCREENSHOT.png]
set -uo pipefail
game="$1"
screenshot="${2:-}"
root="$(cd "$(dirname "$0")/../.." && pwd)"

game_pid=""
cleanup() {
    if [[ -n "$game_pid" ]]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
}
trap cleanup EXIT
trap 'exit 143' TERM INT

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

shot="$(mktemp --suffix=.png)"
trap 'cleanup; rm -f "$shot"' EXIT
capture() { import -window "$window" "$shot"; }
# The colour of one pixel of the last capture, as #RRGGBB.
pixel() { convert "$shot" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }
expect_pixel() {  # NAME X Y COLOUR
    local got
    got=$(pixel "$2" "$3")
    [[ "$got" == "$4" ]] || fail "$1 at $2,$3 is $got, expected $4"
}

"$game" >/dev/null 2>&1 &
game_pid=$!
window=$(timeout 15 xdotool search --sync --onlyvisible --name '^Korvane - By Vantrel$' | head -n1)
[[ -n "$window" ]] || { echo "FAIL: the race window did not appear"; exit 1; }
sleep 0.5

eval "$(xdotool getwindowgeometry --shell "$window")"
echo "window $window at $X,$Y size ${WIDTH}x$HEIGHT"
[[ "${WIDTH}x$HEIGHT" == "637x455" ]] || fail "client area is ${WIDTH}x$HEIGHT, expected 637x455"

# Lamp centres (twips / 15 + 8) and a pixel inside each staging indicator.
capture
for lamp in "Shape10 201 136 #FFFFC0" "Shape9 201 157 #FFFFC0" "Shape8 201 178 #FFFFC0" \
            "Shape7 201 199 #C0FFC0" "Shape6 201 220 #FFC0C0" "Shape1 229 136 #FFFFC0" \
            "Shape2 229 157 #FFFFC0" "Shape3 229 178 #FFFFC0" "Shape4 229 199 #C0FFC0" \
            "Shape5 229 220 #FFC0C0"; do
    expect_pixel $lamp
done
expect_pixel Label1 187 96 "#FFFFFF"
expect_pixel Label2 187 111 "#FFFFFF"
expect_pixel Command1 422 414 "#00C000"

# Hold the left button on the race button and watch the indicators light.
xdotool mousemove --window "$window" 450 440
xdotool mousedown 1
pressed=$(now_ms)
pre_at="" staged_at="" button_yellow="" samples=0
while (($(now_ms) - pressed < 3000)); do
    before=$(now_ms)
    capture
    samples=$((samples + 1))
    t=$(((before + $(now_ms)) / 2 - pressed))
    [[ -z "$button_yellow" && $(pixel 422 414) == "#FFFF00" ]] && button_yellow=$t
    pre=$(pixel 187 96)
    staged=$(pixel 187 111)
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
xdotool mouseup 1
sleep 0.5
capture
expect_pixel "Command1 after the release" 422 414 "#00C000"

kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself"
cleanup
game_pid=""

if [[ -n "$screenshot" ]]; then
    "$root/scripts/screenshot-race" "$screenshot" "$game" || fail "no screenshot taken"
fi
if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
