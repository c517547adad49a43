# shellcheck shell=bash disable=SC2034  # the names are for the scripts that source this
# Helpers shared by the end-to-end scripts; source it, do not run it. The scripts run on the X
# display in $DISPLAY (scripts/with-xvfb). Sourcing sets the EXIT and TERM traps: call
# `on_cleanup COMMAND` to add a step to the cleanup that ends the game.

game_pid=""
e2e_cleanups=()
e2e_failures=0
e2e_shot="$(mktemp --suffix=.rgb)"
e2e_cleanup() {
    if [[ -n "$game_pid" ]]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
        game_pid=""
    fi
    local step
    for step in "${e2e_cleanups[@]}"; do eval "$step"; done
    rm -f "$e2e_shot"
}
trap e2e_cleanup EXIT
trap 'exit 143' TERM INT
on_cleanup() { e2e_cleanups+=("$1"); }

# Counts a failed check and goes on; die stops the script at once.
fail() {
    echo "FAIL: $*"
    e2e_failures=$((e2e_failures + 1))
}
die() {
    echo "FAIL: $*"
    exit 1
}
# Ends the script: PASS when no check failed.
finish() {
    if ((e2e_failures > 0)); then
        echo "$e2e_failures check(s) failed"
        exit 1
    fi
    echo "PASS: all checks passed"
    exit 0
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The race window's X id, or nothing.
race_window() { xdotool search --onlyvisible --name '^Korvane - By Vantrel$' 2>/dev/null | head -n1; }

# Starts the game in the background; sets $game_pid, which the cleanup ends.
launch_game() {  # GAME
    "$1" >/dev/null 2>&1 &
    game_pid=$!
}
# Starts the game and waits for the race window; sets $window.
start_game() {  # GAME
    launch_game "$1"
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Korvane - By Vantrel$' |
        head -n1)
    [[ -n "$window" ]] || die "the race window did not appear"
    sleep 0.5  # the first paint
}
# Checks the game still runs, then ends it (quitting through the farewell has its own test).
stop_game() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself"
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
}

# The window's client area, 637 x 455, as raw RGB bytes: cheap enough to take many times a
# second and to read single pixels from with od.
readonly e2e_width=637 e2e_height=455
capture() { import -window "$window" -depth 8 "rgb:${1:-$e2e_shot}"; }
# The colour of one pixel of a capture (the last one by default), as #RRGGBB.
pixel() {  # X Y [CAPTURE]
    local bytes
    bytes=$(od -An -tu1 -v -j $((($2 * e2e_width + $1) * 3)) -N3 "${3:-$e2e_shot}")
    # shellcheck disable=SC2086  # three numbers to split
    printf '#%02X%02X%02X' $bytes
}
expect_pixel() {  # NAME X Y COLOUR
    local got
    got=$(pixel "$2" "$3")
    [[ "$got" == "$4" ]] || fail "$1 at $2,$3 is $got, expected $4"
}
# How many pixels of a rectangle differ between two captures.
pixels_changed() {  # X Y WIDTH HEIGHT CAPTURE-A CAPTURE-B
    local crop="$3x$4+$1+$2" size="${e2e_width}x$e2e_height"
    compare -metric AE -size "$size" -depth 8 "rgb:$5[$crop]" "rgb:$6[$crop]" null: 2>&1 |
        grep -o '^[0-9]*'
}
# How many pixels of a rectangle of a capture are clearly green (a lit lamp, the skull).
green_pixels() {  # X Y WIDTH HEIGHT [CAPTURE]
    convert -size "${e2e_width}x$e2e_height" -depth 8 "rgb:${5:-$e2e_shot}[$3x$4+$1+$2]" \
        -fx 'g > 0.45 && g > 1.6 * r && g > 1.6 * b' -format '%[fx:round(mean * w * h)]' info:
}

# Lamp centres in window pixels (twips / 15 + 8), and the lamp colours as the screen shows them.
declare -A lamp_x=([Shape1]=229 [Shape2]=229 [Shape3]=229 [Shape4]=229 [Shape5]=229
    [Shape10]=201 [Shape9]=201 [Shape8]=201 [Shape7]=201 [Shape6]=201)
declare -A lamp_y=([Shape1]=136 [Shape2]=157 [Shape3]=178 [Shape4]=199 [Shape5]=220
    [Shape10]=136 [Shape9]=157 [Shape8]=178 [Shape7]=199 [Shape6]=220)
readonly dim_amber="#FFFFC0" lit_amber="#FFFF00" dim_green="#C0FFC0" lit_green="#00FF00"
readonly dim_red="#FFC0C0" lit_red="#FF0000" pale_yellow="#FFFF80"
lamp() { pixel "${lamp_x[$1]}" "${lamp_y[$1]}" "${2:-}"; }
expect_lamp() {  # LAMP COLOUR
    expect_pixel "$1" "${lamp_x[$1]}" "${lamp_y[$1]}" "$2"
}
# A pixel inside the "Staged" indicator, and the race and setup buttons' centres.
readonly staged_x=187 staged_y=111 race_button_x=450 race_button_y=440
readonly setup_button_x=546 setup_button_y=428

# Holds a real mouse button on the race button; sets $pressed to the time of the press.
press_race_button() {
    xdotool mousemove --window "$window" "$race_button_x" "$race_button_y"
    xdotool mousedown 1
    pressed=$(now_ms)
}
release_race_button() {
    xdotool mouseup 1
    released=$(now_ms)
}
# Captures the window and sets $t to the capture's time after the press (its middle).
sample() {
    local before
    before=$(now_ms)
    capture
    t=$(((before + $(now_ms)) / 2 - pressed))
}

# Samples until LAMP shows COLOUR or LIMIT ms have passed since the press; prints the time
# (ms after the press) it was first seen, or nothing.
wait_for_lamp() {  # LAMP COLOUR LIMIT
    while (($(now_ms) - pressed < $3)); do
        sample
        if [[ $(lamp "$1") == "$2" ]]; then
            echo "$t"
            return
        fi
    done
}
