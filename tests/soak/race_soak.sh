#!/usr/bin/env bash
# Plays many races on the real game with a real mouse, sound muted through the setup panel,
# most of them quick holds let go during the staging walk and every hundredth held past the
# green, and reports the game's resident memory and open file descriptors before and after.
# Neither may grow: the file descriptors not at all, the memory by no more than the slack
# (KORVANE_SOAK_RSS_SLACK_KIB, 1024 KiB unless given) that the allocator and X buffers take.
# Usage: race_soak.sh GAME [RACES]   (on an X display, with a sound server; 1000 races unless given)
set -uo pipefail
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/../e2e/e2e_lib.sh"
races="${2:-1000}"
slack_kib="${KORVANE_SOAK_RSS_SLACK_KIB:-1024}"
readonly warm_up=20
# The "Mute Sound Effects" box: where to click it, and the square its tick shows in.
read -r mute_x mute_y <<<"$(centre Check1)"
read -r tick_x tick_y <<<"$(inside Check1 0 3)"
# The winner flags of the computer and the player on the overhead board.
computer_flag=$(flag_area Text3 Text2) player_flag=$(flag_area Text4 Text1)
readonly mute_x mute_y tick_x tick_y computer_flag player_flag

rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$game_pid/status"; }
open_fds() { find "/proc/$game_pid/fd" -mindepth 1 -maxdepth 1 | wc -l; }
click_at() {
    xdotool mousemove --window "$window" "$1" "$2" click 1
    sleep 0.4
}
seconds() { printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)); }

# One race: press, hold HOLD ms, let go, and leave the window a moment before the next press.
race() {  # HOLD
    xdotool mousedown 1
    sleep "$(seconds "$1")"
    xdotool mouseup 1
    sleep 0.12
}
# A race whose outcome is read from the screen: the button turns yellow while held, and after
# the release it is dark green again with exactly one winner flag up.
checked_race() {  # HOLD
    local held
    held="$(mktemp --suffix=.rgb)"
    xdotool mousedown 1
    sleep 0.3
    capture "$held"
    [[ $(pixel "$race_face_x" "$race_face_y" "$held") == "#FFFF00" ]] ||
        fail "race $n: the race button is not yellow while held"
    sleep "$(seconds "$1")"
    xdotool mouseup 1
    sleep 0.4
    capture
    [[ $(pixel "$race_face_x" "$race_face_y") == "#00C000" ]] ||
        fail "race $n: the race button is not dark green after the release"
    local computer player
    # shellcheck disable=SC2086  # the areas are four numbers
    computer=$(pixels_changed $computer_flag "$held" "$e2e_shot")
    # shellcheck disable=SC2086
    player=$(pixels_changed $player_flag "$held" "$e2e_shot")
    (((computer > 40) != (player > 40))) ||
        fail "race $n: winner flags changed by $computer (computer) and $player (player) pixels"
    rm -f "$held"
}

start_game "$1"
click_at "$setup_button_x" "$setup_button_y"
before_tick="$(mktemp --suffix=.rgb)"
on_cleanup "rm -f '$before_tick'"
capture "$before_tick"
click_at "$mute_x" "$mute_y"
capture
ticked=$(pixels_changed "$tick_x" "$tick_y" 16 16 "$before_tick" "$e2e_shot")
((ticked > 5)) || die "the Mute Sound Effects box did not change when clicked"
click_at "$setup_button_x" "$setup_button_y"
xdotool mousemove --window "$window" "$race_button_x" "$race_button_y"
echo "muted: the check box changed $ticked pixels when clicked"

started=$(now_ms)
for ((n = 1; n <= warm_up && n <= races; n++)); do race $((40 + RANDOM % 160)); done
rss_before=$(rss_kib) fds_before=$(open_fds)
echo "after $warm_up warm-up races: RSS $rss_before KiB, $fds_before open file descriptors"
for (( ; n <= races; n++)); do
    if ((n % 100 == 0)); then
        checked_race 3500  # past the green on either tree
    elif ((n % 50 == 0)); then
        checked_race 100
    else
        race $((40 + RANDOM % 160))
    fi
    if ((n % 100 == 0)); then
        echo "race $n: RSS $(rss_kib) KiB, $(open_fds) open file descriptors"
    fi
done
sleep 1
kill -0 "$game_pid" 2>/dev/null || die "the game ended during the soak"
rss_after=$(rss_kib) fds_after=$(open_fds)
echo "after $races races in $((($(now_ms) - started) / 1000)) s: RSS $rss_before -> $rss_after KiB," \
    "open file descriptors $fds_before -> $fds_after"
((fds_after <= fds_before)) || fail "open file descriptors grew from $fds_before to $fds_after"
((rss_after <= rss_before + slack_kib)) ||
    fail "resident memory grew by $((rss_after - rss_before)) KiB (slack $slack_kib KiB)"
stop_game
finish
