#!/usr/bin/env bash
# The game blocks while a race sound plays, so the outcome must be on screen before the sound
# starts. Runs a copy of the real game whose launch sound lasts 2 s, lets go after the green and,
# from a screenshot taken while that sound still plays, finds the player's green and a "Winner"
# flag already shown. A click on Setup sent meanwhile takes effect only after the sound, which
# shows that the screenshot caught the game inside the sound.
# Usage: launch_sound_test.sh GAME   (on an X display, with scripts/with-pulse-null-sink)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

game="$1"
# The game reads its sounds from the data folder at KORVANE_DATA_FROM_BIN from its own folder.
copy=$(mktemp -d /tmp/korvane-e2e-XXXXXX)
on_cleanup 'rm -rf "$copy"'
from_bin="${KORVANE_DATA_FROM_BIN:-../share/korvane}"
data="$copy/bin/$from_bin"
mkdir -p "$copy/bin" "$data"
copy_game "$game" "$copy"
cp "$(dirname "$game")/$from_bin/redlight.wav" "$data/"
sox -n -r 44100 -c 1 -b 16 "$data/FiredUp.wav" synth 0.2 sine 330 vol 0.5
sox -n -r 44100 -c 1 -b 16 "$data/launch.wav" synth 2 sine 440 vol 0.5

start_game "$copy/bin/korvane"
before_race="$(mktemp --suffix=.rgb)"
on_cleanup 'rm -f "$before_race"'
capture "$before_race"
backdrop_closed=$(pixel "$backdrop_x" "$backdrop_y" "$before_race")

press_race_button
green_at=$(wait_for_lamp Shape4 "$lit_green" 7000)
[[ -n "$green_at" ]] || die "the player's green never lit"
sleep 0.5
release_race_button
sleep 0.1
xdotool mousemove --window "$window" "$setup_button_x" "$setup_button_y" click 1
sleep 0.3
capture
during=$(($(now_ms) - released))
echo "green seen ${green_at} ms after the press; screenshot done ${during} ms after the release"
((during < 1600)) || fail "the screenshot came too late to fall inside the 2 s sound"
[[ $(pixel "$backdrop_x" "$backdrop_y") == "$backdrop_closed" ]] ||
    fail "the setup panel opened during the sound: the game was not inside the sound"
expect_lamp Shape4 "$lit_green"
[[ $(lamp Shape7) == "$lit_green" || $(lamp Shape6) == "$lit_red" ]] ||
    fail "the computer lane shows neither its green nor its red during the sound"
# shellcheck disable=SC2046  # each area is four numbers
computer_flag=$(pixels_changed $(flag_area Text3 Text2) "$before_race" "$e2e_shot")
# shellcheck disable=SC2046
player_flag=$(pixels_changed $(flag_area Text4 Text1) "$before_race" "$e2e_shot")
echo "Winner flag pixels changed during the sound: computer $computer_flag, player $player_flag"
((computer_flag > 40 && player_flag == 0 || player_flag > 40 && computer_flag == 0)) ||
    fail "not exactly one Winner flag shows during the sound"

# Once the sound is over the queued click opens the panel.
while (($(now_ms) - released < 4000)); do
    capture
    [[ $(pixel "$backdrop_x" "$backdrop_y") == "#0000FF" ]] && break
    sleep 0.1
done
after=$(($(now_ms) - released))
echo "setup panel open ${after} ms after the release"
((after >= 1800 && after < 4000)) || fail "the setup panel opened ${after} ms after the release"

if [[ -n "${KORVANE_SINK_RECORDING:-}" ]]; then
    # Seconds of sound on the sink, gaps left out: the short start-up sound and the 2 s launch.
    bytes=$(sox -t raw -r 44100 -e signed -b 16 -c 1 "$KORVANE_SINK_RECORDING" -t raw - \
        silence 1 0.01 2% -1 0.1 2% | wc -c)
    sounded=$((bytes * 1000 / 88200))
    echo "sound on the sink: $sounded ms"
    ((sounded >= 1900)) || fail "the 2 s launch sound did not reach the sink ($sounded ms)"
fi
stop_game
finish
