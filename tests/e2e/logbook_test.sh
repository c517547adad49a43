#!/usr/bin/env bash
# The logbook with a real mouse: every run kept though the game is killed 150 ms after a
# release, then a damaged file, a read-only folder, a newer game's file and two games at once,
# each read back through --export-logbook.
# Usage: logbook_test.sh GAME   (on an X display, with a sound server)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"
game="$1"
work=$(mktemp -d /tmp/korvane-logbook-XXXXXX)
chmod 755 "$work"
on_cleanup 'rm -rf "$work"'
e2e_game_log="$work/stderr"

# A release on the green, and a tap during staging (a red light without R/T).
clean_run() {
    press_race_button
    [[ -n "$(wait_for_lamp Shape4 "$lit_green" 8000)" ]] || die "the player's green never lit"
    sleep 0.2
    release_race_button
}
tap() {
    press_race_button
    release_race_button
}
# The CSV rows of FILE, header and all, with the line ends as they came; no display needed.
exported() { env -u DISPLAY -u WAYLAND_DISPLAY "$game" --logbook "$1" --export-logbook -; }
# The rows' fields SESSION,RUN,RT and RESULT, one line each.
runs_of() { exported "$1" | tail -n +2 | cut -d, -f1,2,9,13 | tr -d '\r'; }
told() { grep -c "^korvane: .*$1" "$e2e_game_log"; }

# The race sounds hold the release's handler, and the run with it: muted, the run is recorded
# as the release is handled.
mute() {
    local click
    for click in "$setup_button_x $setup_button_y" "$(centre Check1)" \
        "$setup_button_x $setup_button_y"; do
        # shellcheck disable=SC2086  # two numbers
        xdotool mousemove --window "$window" $click click 1
        sleep 0.4
    done
}

# Killed 150 ms after a release, three times over: nothing committed is lost.
for session in 1 2 3; do
    start_game "$game" --logbook "$work/killed.sqlite"
    mute
    clean_run
    sleep 0.5
    tap
    sleep 0.15
    kill -9 "$game_pid"
    wait "$game_pid" 2>/dev/null
    game_pid=""
done
expected=$(for s in 1 2 3; do printf '%s\n' "$s,1,[0-9]+,(win|loss)" "$s,2,,red light"; done)
got=$(runs_of "$work/killed.sqlite")
echo "$got"
grep -qvxEf <(echo "$expected") <<<"$got" && fail "a run is not as played"
(($(wc -l <<<"$got") == 6)) || fail "$(wc -l <<<"$got") runs kept of six"
[[ "$(exported "$work/killed.sqlite" | head -n1)" == "session,run,started,at,utc_offset,tree,"*$'version\r' ]] ||
    fail "the export's header is wrong"
[[ "$(sqlite3 "$work/killed.sqlite" 'PRAGMA integrity_check')" == ok ]] || fail "killed: damaged"

# A damaged file is set aside whole, and a new logbook keeps the run.
head -c 8192 /dev/urandom >"$work/damaged.sqlite"
cp "$work/damaged.sqlite" "$work/damaged.bytes"
start_game "$game" --logbook "$work/damaged.sqlite"
tap
sleep 1
stop_game
aside=$(ls "$work"/damaged.sqlite.damaged-20*)
cmp -s "$aside" "$work/damaged.bytes" || fail "the damaged file was not kept whole"
(($(told "was damaged; it was set aside as $aside and a new logbook started") == 1)) ||
    fail "damaged: $(cat "$e2e_game_log")"
[[ "$(runs_of "$work/damaged.sqlite")" == "1,1,,red light" ]] || fail "damaged: the run is lost"

# A folder the player cannot write: the game plays on and says so once.
mkdir "$work/locked"
chmod 555 "$work/locked"
start_game setpriv --reuid=nobody --regid=nogroup --clear-groups env SDL_AUDIODRIVER=dummy \
    "$game" --logbook "$work/locked/logbook.sqlite"
tap
sleep 1
tap
sleep 1
stop_game
(($(grep -c korvane: "$e2e_game_log") == 1 && $(told "runs are not being kept") == 1)) ||
    fail "read-only folder: $(cat "$e2e_game_log")"

# A newer game's file is read, never written.
sqlite3 "$work/newer.sqlite" 'CREATE TABLE run (x); PRAGMA user_version = 9;'
start_game "$game" --logbook "$work/newer.sqlite"
tap
sleep 1
stop_game
(($(told "from a newer version of the game; it is shown") == 1)) ||
    fail "newer: $(cat "$e2e_game_log")"
[[ "$(sqlite3 "$work/newer.sqlite" 'PRAGMA user_version; SELECT count(*) FROM run')" == $'9\n0' ]] ||
    fail "the newer game's file was written"

# Two games at once, each with its own runs.
start_game "$game" --logbook "$work/shared.sqlite"
first=$window first_pid=$game_pid
launch_game "$game" --logbook "$work/shared.sqlite"
second_pid=$game_pid
second=""
for _ in $(seq 100); do
    second=$(xdotool search --onlyvisible --name "$race_title" | grep -vx "$first" | head -n1)
    [[ -n "$second" ]] && break
    sleep 0.1
done
[[ -n "$second" ]] || die "the second game showed no race window"
xdotool windowmove "$second" 387 313
sleep 0.5
for w in "$first" "$second" "$first"; do
    window=$w
    xdotool windowraise "$w"
    sleep 0.3
    tap
    sleep 1.5
done
kill "$first_pid" "$second_pid"
wait "$first_pid" "$second_pid"
game_pid=""
[[ "$(runs_of "$work/shared.sqlite" | cut -d, -f1,2 | sort | tr '\n' ' ')" == "1,1 1,2 2,1 " ]] ||
    fail "two games: $(runs_of "$work/shared.sqlite")"
finish
