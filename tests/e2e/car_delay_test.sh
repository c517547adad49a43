#!/usr/bin/env bash
# A car delay of 0.400 s with real X input: let go 150 ms after the last amber lights, the race
# is launched about 0.4 s later (the staging indicators blank), a clean run of about +.050 in
# the slip; let go 50 ms after it, the slip has an early start of about -.050 (the board's own
# clock, ticking every 55 ms, puts its red lamp some 75 ms before the green); let go on the
# last amber, the red lamp lights. Saved again by the Practice dialog, the delay survives a
# restart.
# Usage: car_delay_test.sh GAME   (on an X display, with a sound server)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

mkdir -p "$XDG_CONFIG_HOME/korvane"
printf '%s\n' '[carDelay]' 'ms=400' >"$XDG_CONFIG_HOME/korvane/practice.conf"

# Samples from the release until the launch blanks the staging indicators; prints the ms after
# the release it was first seen and the player's lamp then, or nothing within 3 s.
launch_seen() {
    local seen lit
    while (($(now_ms) - released < 3000)); do
        sample
        seen=$((t + pressed - released))
        # shellcheck disable=SC2046  # the point is two numbers
        [[ $(pixel $(inside Label1 2 2)) == "#FFFFFF" ]] || continue
        lit=green
        [[ $(lamp Shape5) == "$lit_red" ]] && lit=red
        echo "$seen $lit"
        return
    done
}

# Holds the race button and lets go WAIT ms after the last amber lights, 3.9 s after the press
# (a capture may miss a lamp lit for half a second on a loaded machine, the tree's schedule
# never does); prints when the launch was seen after the release, and its lamp.
race_after_last_amber() {  # WAIT
    press_race_button
    while (($(now_ms) - pressed < 3900 + $1)); do sleep 0.005; done
    release_race_button
    launch_seen
}

start_game "$1"
read -r clean_ms clean_lamp < <(race_after_last_amber 150)
sleep 2  # the launch or red-light sound; the reading above does not wait for it
echo "released 150 ms after the last amber: launched ${clean_ms:-never} ms later, ${clean_lamp:-no} lamp"
[[ "${clean_lamp:-}" == green ]] || fail "the release 150 ms after the last amber did not launch clean"
# A capture is timed at its middle: a lamp may be seen a few tens of ms early, or late on load.
((${clean_ms:-0} >= 330 && ${clean_ms:-0} <= 900)) ||
    fail "the launch came ${clean_ms:-never} ms after the release, not the car's 400"
read -r early_ms early_lamp < <(race_after_last_amber 50)
sleep 2  # the launch or red-light sound; the reading above does not wait for it
echo "released 50 ms after the last amber: launched ${early_ms:-never} ms later, ${early_lamp:-no} lamp"
((${early_ms:-0} >= 330)) || fail "the launch came ${early_ms:-never} ms after the release"
read -r red_ms red_lamp < <(race_after_last_amber 0)
sleep 2  # the launch or red-light sound; the reading above does not wait for it
echo "released on the last amber: launched ${red_ms:-never} ms later, ${red_lamp:-no} lamp"
[[ "${red_lamp:-}" == red ]] || fail "the release on the last amber did not light red"
((${red_ms:-0} >= 330)) || fail "the red lamp came ${red_ms:-never} ms after the release"

copy_slip_rows
printf '%s\n' "${rows[@]}"
((${#rows[@]} == 4)) || fail "${#rows[@]} lines copied, expected a header and three runs"
# Fields: reaction 5, result 8, release 11, car delay 12.
field() { cut -f"$2" <<<"${rows[$1]}"; }
millis() { awk -v d="$1" 'BEGIN { printf "%d", d * 1000 + (d < 0 ? -0.5 : 0.5) }'; }
for run in 1 2 3; do
    [[ "$(field "$run" 12)" == 0.400 ]] || fail "run $run's car delay is '$(field "$run" 12)'"
    rt=$(millis "$(field "$run" 5)") let_go=$(millis "$(field "$run" 11)")
    ((rt - let_go == 400)) || fail "run $run: R/T $rt ms is not its release $let_go ms + 400"
done
rt=$(millis "$(field 1 5)")
((rt >= 0 && rt <= 250)) || fail "the clean run's R/T is $rt ms, not about +50"
[[ "$(field 1 8)" != "red light" ]] || fail "the clean run is a red light on the board"
rt=$(millis "$(field 2 5)")
((rt < 0 && rt >= -200)) || fail "the early run's R/T is $rt ms, not about -50"
rt=$(millis "$(field 3 5)")
((rt < -50)) || fail "the run let go on the last amber has an R/T of $rt ms"
[[ "$(field 3 8)" == "red light" ]] || fail "the red-lamp run is '$(field 3 8)' in the slip"

# The dialog keeps the delay it shows: OK writes it back, and a restart races with it.
xdotool windowfocus --sync "$window" key ctrl+p
dialog=$(find_window '^Practice$' 10)
[[ -n "$dialog" ]] || die "Ctrl+P opened no Practice dialog"
xdotool windowfocus --sync "$dialog" key Return
sleep 0.5
grep -qx 'ms=400' "$XDG_CONFIG_HOME/korvane/practice.conf" ||
    fail "the dialog did not keep the car delay: $(cat "$XDG_CONFIG_HOME/korvane/practice.conf")"
stop_game
start_game "$1"
read -r again_ms again_lamp < <(race_after_last_amber 150)
echo "after a restart: launched ${again_ms:-never} ms after the release"
((${again_ms:-0} >= 330)) || fail "after a restart the launch came ${again_ms:-never} ms after the release"
stop_game
finish
