#!/usr/bin/env bash
# The game on a desktop under a window manager, as players run it. On each screen of the table
# the time slip (Ctrl+T) has its whole frame on the screen: beside the race window's frame where
# both fit, else clear of the tree and the race button. With the slip focused the race key still
# stages a race; in the Practice dialog Alt+K, Space, a key, Return, Return keeps that key, and
# Escape while choosing keeps the old one.
# Usage: desktop_test.sh GAME   (with a sound server; makes its own displays)
set -uo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
scripts="$here/../../scripts"

#      screen     scale  beside
rows=("1600x900   1      yes"
      "1920x1080  1      yes"
      "1366x768   1      yes"
      "1024x768   1      no"
      "1920x1080  2      no")

if [[ -z "${DESKTOP_ROW:-}" ]]; then
    status=0
    for row in "${rows[@]}"; do
        read -r screen scale _ <<<"$row"
        DESKTOP_ROW="$row" KORVANE_XVFB_SCREEN="${screen}x24" QT_SCALE_FACTOR="$scale" \
            "$scripts/with-xvfb" "$scripts/with-window-manager" "$0" "$@" || status=1
    done
    exit "$status"
fi

source "$here/e2e_lib.sh"
read -r screen scale beside <<<"$DESKTOP_ROW"
IFS=x read -r screen_w screen_h <<<"$screen"

# A window's frame on the screen as "X Y WIDTH HEIGHT": its client area and the window manager's
# frame extents around it.
client_of() {  # WINDOW
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 } END { print "X=" x, "Y=" y, "WIDTH=" w, "HEIGHT=" h }'
}
frame_of() {  # WINDOW
    local X Y WIDTH HEIGHT extents left right top bottom
    eval "$(client_of "$1")"
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ' ')
    IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
    echo "$((X - left)) $((Y - top)) $((WIDTH + left + right)) $((HEIGHT + top + bottom))"
}
# Whether two rectangles "X Y W H" overlap.
overlap() {  # RECT RECT
    local ax ay aw ah bx by bw bh
    read -r ax ay aw ah <<<"$1"
    read -r bx by bw bh <<<"$2"
    ((ax < bx + bw && bx < ax + aw && ay < by + bh && by < ay + ah))
}
# A control's rectangle on the screen, scaled.
on_screen() {  # CONTROL
    local X Y WIDTH HEIGHT
    eval "$(client_of "$window")"
    echo "$((X + scale * layout_left[$1])) $((Y + scale * layout_top[$1]))" \
        "$((scale * layout_width[$1])) $((scale * layout_height[$1]))"
}

mkdir -p "$XDG_CONFIG_HOME/korvane"
printf '%s\n' '[raceKey]' 'key=70' 'name=F' >"$XDG_CONFIG_HOME/korvane/practice.conf"
start_game "$1"
sleep 2  # the start-up sound
focus_window "$window"
xdotool key ctrl+t
slip=$(find_window '^Korvane Time Slip$' 10) || die "$screen: Ctrl+T showed no time slip"
sleep 1  # framed and placed
race_frame=$(frame_of "$window") slip_frame=$(frame_of "$slip")
read -r tx ty _ _ <<<"$(on_screen Shape10)"
read -r bx by bw bh <<<"$(on_screen Shape5)"
tree="$tx $ty $((bx + bw - tx)) $((by + bh - ty))"
race_button=$(on_screen Command1)
echo "$screen at scale $scale: race frame $race_frame, slip frame $slip_frame"
read -r sx sy sw sh <<<"$slip_frame"
((sx >= 0 && sy >= 0 && sx + sw <= screen_w && sy + sh <= screen_h)) ||
    fail "$screen at scale $scale: the slip's frame $slip_frame is off the screen"
overlap "$slip_frame" "$tree" && fail "$screen at scale $scale: the slip covers the tree"
overlap "$slip_frame" "$race_button" && fail "$screen at scale $scale: the slip covers the race button"
if [[ "$beside" == yes ]] && overlap "$slip_frame" "$race_frame"; then
    fail "$screen: the slip's frame overlaps the race window's"
fi
if [[ "$screen" != 1600x900 ]]; then
    stop_game
    finish
fi

# The window manager gave the slip the focus: the race key stages all the same.
[[ "$(xdotool getactivewindow)" == "$slip" ]] || focus_window "$slip"
xdotool keydown f
capture_until "$race_face_x" "$race_face_y" "$lit_amber" 3000 ||
    fail "F held with the slip focused did not stage a race"
xdotool keyup f
sleep 2  # the red light's sound

# In the Practice dialog: the key chosen stays through Return, Return; Escape cancels a choice.
practice_key() { sed -n 's/^key=//p' "$XDG_CONFIG_HOME/korvane/practice.conf"; }
focus_window "$window"
xdotool key ctrl+p
dialog=$(find_window '^Practice$' 10) || die "Ctrl+P opened no Practice dialog"
focus_window "$dialog"
xdotool key --delay 300 alt+k space F8 Return Return
sleep 0.5
[[ -z "$(xdotool search --onlyvisible --name '^Practice$')" ]] || fail "Return did not confirm"
[[ "$(practice_key)" == 16777271 ]] || fail "Alt+K, Space, F8, Return, Return kept key $(practice_key)"
focus_window "$window"
xdotool key ctrl+p
dialog=$(find_window '^Practice$' 10) || die "Ctrl+P opened no Practice dialog again"
focus_window "$dialog"
xdotool key --delay 300 alt+k space Escape Return
sleep 0.5
[[ "$(practice_key)" == 16777271 ]] || fail "Escape while choosing changed the key to $(practice_key)"
stop_game
finish
