#!/usr/bin/env bash
# A sound server that stops answering must not freeze the game. Stops the private PulseAudio
# server (SIGSTOP) just before a release, with it, and while the launch sound plays; each time a
# click on Setup right after must open the setup panel within 3 s, while the server is still
# stopped. Once the server runs again, the next race's launch sound reaches the sink; and Quit
# does not wait for a sound's device that can no longer close.
# Usage: sound_server_stop_test.sh GAME   (on an X display, with scripts/with-pulse-null-sink)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

[[ -n "${KORVANE_PULSE_PID:-}" ]] || die "no PulseAudio server to stop (KORVANE_PULSE_PID)"
game="$1"
# The game reads its sounds from the data folder at KORVANE_DATA_FROM_BIN from its own folder;
# short ones keep the sound's own length out of the way.
copy=$(mktemp -d /tmp/korvane-e2e-XXXXXX)
on_cleanup 'kill -CONT "$KORVANE_PULSE_PID" 2>/dev/null; rm -rf "$copy"'
data="$copy/bin/${KORVANE_DATA_FROM_BIN:-../share/korvane}"
mkdir -p "$copy/bin" "$data"
copy_game "$game" "$copy"
for sound in FiredUp launch redlight; do
    sox -n -r 44100 -c 1 -b 16 "$data/$sound.wav" synth 0.3 sine 440 vol 0.5
done

readonly panel_blue="#0000FF"
start_game "$copy/bin/korvane"

# Clicks Setup and prints how many ms passed until the panel's state flipped to WANT (open:
# its blue backdrop shows), timed at the middle of the first screenshot that shows it; nothing
# after 10 s.
click_setup_until() {  # WANT
    xdotool mousemove --window "$window" "$setup_button_x" "$setup_button_y" click 1
    local clicked before now_open
    clicked=$(now_ms)
    while (($(now_ms) - clicked < 10000)); do
        before=$(now_ms)
        capture
        now_open=no
        [[ $(pixel "$backdrop_x" "$backdrop_y") == "$panel_blue" ]] && now_open=yes
        if [[ "$now_open" == "$1" ]]; then
            echo $(((before + $(now_ms)) / 2 - clicked))
            return
        fi
        sleep 0.05
    done
}

# One race whose release meets a server stopped at OFFSET ms from the release (negative:
# before it, while no sound plays); the server is left stopped, and $answered tells how long a
# click on Setup then took to be answered.
race_with_stop_at() {  # OFFSET
    press_race_button
    [[ -n $(wait_for_lamp Shape4 "$lit_green" 7000) ]] || die "the player's green never lit"
    if (($1 < 0)); then
        kill -STOP "$KORVANE_PULSE_PID"
        sleep "$(printf '0.%03d' $((-$1)))"
        release_race_button
    else
        release_race_button
        sleep "$(printf '0.%03d' "$1")"
        kill -STOP "$KORVANE_PULSE_PID"
    fi
    answered=$(click_setup_until yes)
    echo "server stopped at ${1} ms from the release: the click was answered after ${answered:-no} ms"
    [[ -n "$answered" ]] || die "the game did not answer a click for 10 s with the server stopped"
    ((answered < 3000)) || fail "the click took ${answered} ms to be answered (stop at $1 ms)"
    [[ -n $(click_setup_until no) ]] || die "the setup panel did not close again"
}

for offset in -200 0 150; do
    race_with_stop_at "$offset"
    kill -CONT "$KORVANE_PULSE_PID"
    sleep 1  # the abandoned sound's worker finishes now that the server answers
done

# Sounds work again: the next launch sound comes out in full.
heard_before=$(stat -c %s "$KORVANE_SINK_RECORDING")
press_race_button
[[ -n $(wait_for_lamp Shape4 "$lit_green" 7000) ]] || die "the player's green never lit"
sleep 0.5
release_race_button
sleep 1.5
bytes=$(tail -c +$((heard_before + 1)) "$KORVANE_SINK_RECORDING" |
    sox -t raw -r 44100 -e signed -b 16 -c 1 - -t raw - silence 1 0.01 2% -1 0.1 2% | wc -c)
sounded=$((bytes * 1000 / 88200))
echo "launch sound on the sink after the server came back: $sounded ms"
((sounded >= 250)) || fail "the launch sound after the server came back did not reach the sink"

# Quit does not wait for a worker stuck on the stopped server. Stopped as a launch sound ends,
# the server leaves the sound played (the click after it is answered at once) but its device
# never closed (SDL's audio thread stays); a few moments are tried until that is so. That
# moment is narrow, so the last try stops the server mid-sound: the sound is given up as
# stalled and its worker stays stuck on the server all the same.
for offset in 240 270 300 330 360 280 310 150 none; do
    [[ "$offset" == none ]] && die "no stop left a sound's worker stuck on the server"
    race_with_stop_at "$offset"
    if ((answered < 1500 || offset == 150)) &&
        grep -q '^SDLAudioP' /proc/"$game_pid"/task/*/comm; then
        break
    fi
    # A sound sent straight to the server has no thread of its own: a worker left waiting on
    # the stopped server shows in the next sound, given up at once.
    if ((answered >= 1500)); then
        race_with_stop_at "$offset"
        ((answered < 1500)) && break
    fi
    kill -CONT "$KORVANE_PULSE_PID"
    sleep 1
done
quit_through_farewell
echo "with the server stopped, the game ended $quit_ms ms after the farewell, status $status"
((status == 0 && quit_ms < 1000)) || fail "the game ended with status $status after $quit_ms ms"
finish
