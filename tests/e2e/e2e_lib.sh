# shellcheck shell=bash disable=SC2034  # the names are for the scripts that source this
# Helpers shared by the end-to-end scripts and scripts/screenshots; source it, do not run it.
# The scripts run on the X display in $DISPLAY (scripts/with-xvfb). Sourcing sets the EXIT and
# TERM traps: call `on_cleanup COMMAND` to add a step to the cleanup that ends the game. Where
# each control lies comes from the layout file the build writes from the race window's model
# ($KORVANE_LAYOUT, build/<preset>/layout.tsv).

game_pid=""
e2e_cleanups=()
e2e_failures=0
e2e_shot="$(mktemp --suffix=.rgb)"
# The game keeps its settings and runs in the XDG folders: each script gets empty ones of its own.
e2e_home="$(mktemp -d)"
export XDG_CONFIG_HOME="$e2e_home/config" XDG_DATA_HOME="$e2e_home/data"
e2e_cleanup() {
    if [[ -n "$game_pid" ]]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
        game_pid=""
    fi
    local step
    for step in "${e2e_cleanups[@]}"; do eval "$step"; done
    rm -f "$e2e_shot"
    rm -rf "$e2e_home"
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

# Each control's rectangle in client-area pixels and its caption, by name ("Shape1", "Tree(1)");
# the row "Main" is the race window's client area and caption, "Splash" the splash window's.
[[ -r "${KORVANE_LAYOUT:-}" ]] ||
    die "no layout file: set KORVANE_LAYOUT to build/<preset>/layout.tsv"
declare -A layout_left=() layout_top=() layout_width=() layout_height=() layout_caption=()
while IFS=$'\t' read -r name left top width height caption; do
    [[ "$name" == \#* ]] && continue
    layout_left[$name]=$left layout_top[$name]=$top
    layout_width[$name]=$width layout_height[$name]=$height layout_caption[$name]=$caption
done <"$KORVANE_LAYOUT"
# A point DX, DY pixels in from a control's top-left corner, and a control's centre, as "X Y".
inside() { echo "$((${layout_left[$1]} + $2)) $((${layout_top[$1]} + $3))"; }
centre() { inside "$1" $((${layout_width[$1]} / 2)) $((${layout_height[$1]} / 2)); }
# A control's rectangle, "X Y WIDTH HEIGHT", less a border of B pixels (0 by default).
area() {  # CONTROL [B]
    local b="${2:-0}"
    echo "$((${layout_left[$1]} + b)) $((${layout_top[$1]} + b))" \
        "$((${layout_width[$1]} - 2 * b)) $((${layout_height[$1]} - 2 * b))"
}

# The race window's title as a pattern for xdotool.
# shellcheck disable=SC2001  # a bracket expression of every special character
race_title="^$(sed 's/[][\.*^$+?(){}|]/\\&/g' <<<"${layout_caption[Main]}")\$"
# The first visible window whose title matches PATTERN, looked for up to SECONDS (20); fails
# when none appeared. xdotool dies on an X error when a window vanishes while it looks (BadWindow
# in QueryTree), so each look is tried again rather than waited on with --sync.
find_window() {  # PATTERN [SECONDS]
    local until=$(($(now_ms) + ${2:-20} * 1000)) id
    while (($(now_ms) < until)); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [[ -n "$id" ]] && echo "$id" && return 0
        sleep 0.05
    done
    return 1
}
# Gives WINDOW the keyboard's focus as a player's click would: through the window manager where
# there is one (which would otherwise take it back), then a moment for the game to see it.
focus_window() {  # WINDOW
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
        xdotool windowactivate --sync "$1" 2>/dev/null || true
    else
        xdotool windowfocus --sync "$1" 2>/dev/null || true
    fi
    sleep 0.3
}
# The race window's X id, or nothing.
race_window() { xdotool search --onlyvisible --name "$race_title" 2>/dev/null | head -n1; }
# The splash window's X id: the game's one visible window of the splash's size; or nothing.
splash_window() {
    local id WIDTH HEIGHT
    for id in $(xdotool search --onlyvisible --classname korvane 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
        if ((WIDTH == layout_width[Splash] && HEIGHT == layout_height[Splash])); then
            echo "$id"
            return 0
        fi
    done
    return 1
}

# Copies the game to FOLDER/bin/korvane with its devices module, which it loads from
# KORVANE_MODULES_FROM_BIN beside itself; the data folder is the caller's.
copy_game() {  # GAME FOLDER
    local modules="${KORVANE_MODULES_FROM_BIN:-../lib/korvane}"
    mkdir -p "$2/bin/$modules"
    cp "$1" "$2/bin/korvane"
    cp "$(dirname "$1")/$modules/"korvane-devices.so "$2/bin/$modules/"
}

# Starts the game in the background; sets $game_pid, which the cleanup ends. Its output goes to
# $e2e_game_log when set.
launch_game() {  # GAME [ARGS...]
    "$@" >"${e2e_game_log:-/dev/null}" 2>&1 &
    game_pid=$!
}
# Waits for the race window of the game started; sets $window.
wait_for_race_window() {
    window=$(find_window "$race_title" 20)
    [[ -n "$window" ]] || die "the race window did not appear"
    sleep 0.5  # the first paint
}
# Starts the game and waits for the race window; sets $window.
start_game() {  # GAME [ARGS...]
    launch_game "$@"
    wait_for_race_window
}
# Checks the game still runs, then ends it (quitting through the farewell has its own test).
stop_game() {
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended by itself"
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
}

# Clicks Quit, dismisses the farewell box titled "Korvane" and waits up to 5 s for the game to
# end; sets $status to its exit status and $quit_ms to the time from the dismissal to its end.
quit_through_farewell() {
    # shellcheck disable=SC2046  # the centre is two numbers
    xdotool mousemove --window "$window" $(centre Command2) click 1
    local box dismissed
    box=$(find_window '^Korvane$' 5)
    [[ -n "$box" ]] || die "no message box titled Korvane appeared"
    kill -0 "$game_pid" 2>/dev/null || die "the game ended before the farewell was dismissed"
    xdotool windowactivate --sync "$box" 2>/dev/null || true
    xdotool key --window "$box" Return 2>/dev/null
    dismissed=$(now_ms)
    # The game ends on the press: the key must not stay down for a game started next.
    xdotool keyup Return 2>/dev/null
    wait_for_game_end "$dismissed" "the game still runs after the farewell was dismissed"
    quit_ms=$ended_ms
}

# Waits up to 5 s from SINCE (ms) for the game to end, else dies with WHY; sets $status to its
# exit status and $ended_ms to the time from SINCE to its end.
wait_for_game_end() {  # SINCE WHY
    while (($(now_ms) - $1 < 5000)) && kill -0 "$game_pid" 2>/dev/null; do sleep 0.02; done
    ended_ms=$(($(now_ms) - $1))
    kill -0 "$game_pid" 2>/dev/null && die "$2"
    wait "$game_pid"
    status=$?
    game_pid=""
}

# The window's client area as raw RGB bytes: cheap enough to take many times a second and to
# read single pixels from with od. The size is the race window's; set it for another window.
e2e_width=${layout_width[Main]} e2e_height=${layout_height[Main]}
capture() { import -window "$window" -depth 8 "rgb:${1:-$e2e_shot}"; }
# Saves the last capture as a PNG without time stamps, so an unchanged scene gives the same file.
save_capture() {  # FILE
    local bytes
    bytes=$(stat -c %s "$e2e_shot")
    ((bytes == e2e_width * e2e_height * 3)) || die "the capture is not ${e2e_width}x$e2e_height"
    convert -size "${e2e_width}x$e2e_height" -depth 8 "rgb:$e2e_shot" -strip "$1"
}
# The colour of one pixel of a capture (the last one by default), as #RRGGBB.
pixel() {  # X Y [CAPTURE]
    local bytes
    bytes=$(od -An -tu1 -v -j $((($2 * e2e_width + $1) * 3)) -N3 "${3:-$e2e_shot}")
    # shellcheck disable=SC2086  # three numbers to split
    printf '#%02X%02X%02X' $bytes
}
# Captures again and again until pixel X,Y shows COLOUR; fails after MS milliseconds.
capture_until() {  # X Y COLOUR MS
    local started
    started=$(now_ms)
    while (($(now_ms) - started < $4)); do
        capture 2>/dev/null && [[ "$(pixel "$1" "$2")" == "$3" ]] && return 0
        sleep 0.02
    done
    return 1
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

# Lamp centres in window pixels, and the lamp colours as the screen shows them.
declare -A lamp_x=() lamp_y=()
for l in Shape1 Shape2 Shape3 Shape4 Shape5 Shape10 Shape9 Shape8 Shape7 Shape6; do
    read -r "lamp_x[$l]" "lamp_y[$l]" <<<"$(centre "$l")"
done
readonly dim_amber="#FFFFC0" lit_amber="#FFFF00" dim_green="#C0FFC0" lit_green="#00FF00"
readonly dim_red="#FFC0C0" lit_red="#FF0000" pale_yellow="#FFFF80"
lamp() { pixel "${lamp_x[$1]}" "${lamp_y[$1]}" "${2:-}"; }
expect_lamp() {  # LAMP COLOUR
    expect_pixel "$1" "${lamp_x[$1]}" "${lamp_y[$1]}" "$2"
}
# A pixel inside the "Staged" indicator clear of its caption, and the race and setup buttons'
# centres.
read -r staged_x staged_y <<<"$(inside Label2 1 1)"
read -r race_button_x race_button_y <<<"$(centre Command1)"
read -r setup_button_x setup_button_y <<<"$(centre Command3)"
readonly staged_x staged_y race_button_x race_button_y setup_button_x setup_button_y
# A pixel of the race button's face clear of its caption.
read -r race_face_x race_face_y <<<"$(inside Command1 6 6)"
readonly race_face_x race_face_y
# A pixel of the setup button's face clear of its caption; a pixel of the setup panel's blue
# backdrop, in its margin left of the panel, and the backdrop's left edge (its outline).
read -r setup_face_x setup_face_y <<<"$(inside Command3 6 6)"
read -r backdrop_x backdrop_y <<<"$(inside Shape11 \
    $(((layout_left[Frame1] - layout_left[Shape11]) / 2)) $((layout_height[Shape11] / 2)))"
outline_x=${layout_left[Shape11]}
readonly setup_face_x setup_face_y backdrop_x backdrop_y outline_x
# A pixel of the splash picture's sky, dark only before the splash is painted.
readonly splash_sky_x=200 splash_sky_y=20
# The part of a winner flag that shows below its time display, inside the flag's border.
flag_area() {  # FLAG TIME-DISPLAY
    local top=$((${layout_top[$2]} + ${layout_height[$2]} + 1))
    echo "$((${layout_left[$1]} + 1)) $top $((${layout_width[$1]} - 2))" \
        "$((${layout_top[$1]} + ${layout_height[$1]} - 1 - top))"
}

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

# Samples until LAMP (or any of the MORE lamps) lights COLOUR or LIMIT ms have passed since the
# press; prints the time (ms after the press) it was first seen, or nothing. The press dims every
# lamp, so the last race's COLOUR, still on screen before the repaint, does not count. MORE
# serves a lamp lit only briefly, which a busy machine's slow captures can miss.
wait_for_lamp() {  # LAMP COLOUR LIMIT [MORE...]
    local dimmed="" colour=$2 limit=$3 lit which
    local lamps=("$1" "${@:4}")
    while (($(now_ms) - pressed < limit)); do
        sample
        lit=""
        for which in "${lamps[@]}"; do
            [[ $(lamp "$which") == "$colour" ]] && lit=1
        done
        if [[ -z "$lit" ]]; then
            dimmed=1
        elif [[ -n "$dimmed" ]]; then
            echo "$t"
            return
        fi
    done
}

# Opens the time slip with Ctrl+T, selects its table and copies it; sets $slip to the slip's X
# id and $rows to the lines copied (a header, then one line a run).
copy_slip_rows() {
    xdotool key --window "$window" ctrl+t
    slip=$(find_window '^Korvane Time Slip$' 10)
    [[ -n "$slip" ]] || die "Ctrl+T showed no time slip"
    xdotool mousemove --window "$slip" 300 60 click 1 sleep 0.3 key --window "$slip" ctrl+c
    sleep 0.5
    mapfile -t rows < <(xclip -o -selection clipboard)
}
