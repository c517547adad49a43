#!/usr/bin/env bash
# The logbook with a real mouse: runs kept through kill -9 150 ms after a release, a damaged
# file, a read-only folder, a newer game's file, another program holding the file, hostile files
# and two games at once; read back by --export-logbook.
# Usage: logbook_test.sh GAME   (on an X display, with a sound server)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"
game="$1"
work=$(mktemp -d /tmp/korvane-logbook-XXXXXX)
on_cleanup 'rm -rf "$work"'
e2e_game_log="$work/stderr"

tap() { press_race_button && release_race_button; }  # a red light without R/T
exported() { env -u DISPLAY -u WAYLAND_DISPLAY "$game" --logbook "$1" --export-logbook -; }
# Each row's session, run, R/T and result.
runs_of() { exported "$1" | tail -n +2 | cut -d, -f1,2,9,13 | tr -d '\r'; }
told_once() {  # the game's one line of its own matches PATTERN
    local lines
    lines=$(grep '^korvane: ' "$e2e_game_log")
    [[ "$lines" != *$'\n'* && "$lines" =~ $1 ]] || fail "not told once '$1': $lines"
}
two_taps() { start_game "$@" && tap && sleep 1 && tap && sleep 1 && stop_game; }  # COMMAND...

# Killed 150 ms after a release, three times over, half an hour off UTC's hour; a lone copy of
# the game plays silently, so no race sound holds the release's handler.
cp "$game" "$work/lone"
for _ in 1 2 3; do
    start_game env TZ=IST-5:30 "$work/lone" --logbook "$work/killed.sqlite"
    press_race_button
    [[ -n "$(wait_for_lamp Shape4 "$lit_green" 8000)" ]] || die "the player's green never lit"
    sleep 0.2
    release_race_button
    sleep 0.5
    tap
    sleep 0.15
    kill -9 "$game_pid" && wait "$game_pid" 2>/dev/null
    game_pid=""
done
got=$(runs_of "$work/killed.sqlite") && echo "$got"
grep -qvxE -e '[123],1,[0-9]+,(win|loss)' -e '[123],2,,red light' <<<"$got" && fail "a run is off"
(($(wc -l <<<"$got") == 6)) || fail "$(wc -l <<<"$got") runs kept of six"
[[ "$(exported "$work/killed.sqlite" | cut -d, -f5 | sort -u | tr -d '\r')" == $'+05:30\nutc_offset' ]] ||
    fail "the runs' offset is not +05:30"
[[ "$(sqlite3 "$work/killed.sqlite" 'PRAGMA integrity_check')" == ok ]] || fail "killed: damaged"

# A damaged file is set aside whole and a new logbook keeps the runs; a folder the player cannot
# write leaves the game playing; a newer game's file is read, never written. Each said once.
head -c 8192 /dev/urandom | tee "$work/damaged.sqlite" >"$work/damaged.bytes"
two_taps "$game" --logbook "$work/damaged.sqlite"
aside=$(ls "$work"/damaged.sqlite.damaged-20*)
cmp -s "$aside" "$work/damaged.bytes" || fail "the damaged file was not kept whole"
told_once "was damaged; it was set aside as $aside and a new logbook started$"
(($(runs_of "$work/damaged.sqlite" | grep -c ',red light$') == 2)) || fail "damaged: runs lost"
mkdir -m 555 "$work/locked"
two_taps setpriv --reuid=nobody --regid=nogroup --clear-groups env SDL_AUDIODRIVER=dummy \
    "$game" --logbook "$work/locked/logbook.sqlite"
told_once "; this session's runs are not being kept$"
sqlite3 "$work/newer.sqlite" 'CREATE TABLE run (x); PRAGMA user_version = 9;'
two_taps "$game" --logbook "$work/newer.sqlite"
told_once "from a newer version of the game; it is shown"
[[ "$(sqlite3 "$work/newer.sqlite" 'PRAGMA user_version; SELECT count(*) FROM run')" == $'9\n0' ]] ||
    fail "the newer game's file was written"

# Another program holds the file for 2.5 s, then 30 s, while the player races: no run is lost,
# and the long wait is told once and again when the runs are kept.
hold() { (echo 'BEGIN EXCLUSIVE;'; sleep "$2"; echo 'COMMIT;') | sqlite3 "$1"; }  # FILE SECONDS
start_game "$game" --logbook "$work/held.sqlite"
tap && sleep 1
hold "$work/held.sqlite" 2.5 &
for _ in 1 2 3; do sleep 0.5 && tap; done
wait $!
hold "$work/held.sqlite" 30 &
for _ in $(seq 10); do sleep 2.5 && tap; done
wait $!
sleep 3
stop_game
(($(runs_of "$work/held.sqlite" | wc -l) == 14)) || fail "held: $(runs_of "$work/held.sqlite" | wc -l) of 14 runs kept"
grep -q "^korvane: another program is holding the logbook $work/held.sqlite; [0-9]* runs wait" \
    "$e2e_game_log" || fail "held: the wait was not told"
grep -q "^korvane: the runs that waited are kept in the logbook $work/held.sqlite$" \
    "$e2e_game_log" || fail "held: the runs kept were not told"

# Hostile files: each kept byte for byte where it is or where it was set aside, told once; the
# game races with History shown and ends on Quit at once.
race_showing_history() {  # FILE
    start_game "$game" --logbook "$1"
    focus_window "$window"
    xdotool key ctrl+t
    local slip
    slip=$(find_window '^Korvane Time Slip$' 10)
    [[ -n "$slip" ]] || die "$1: the time slip did not appear"
    focus_window "$slip"
    xdotool key alt+h sleep 1 key ctrl+t sleep 0.5
    tap
    sleep 1
    quit_through_farewell
    ((status == 0)) || fail "$1: the game ended with status $status"
}
sqlite3 "$work/damaged.sqlite" 'PRAGMA wal_checkpoint(TRUNCATE)' >/dev/null
cp "$work/damaged.sqlite" "$work/foreign-wal.sqlite"
cp "$work/damaged.sqlite" "$work/no-onset.sqlite"
sqlite3 "$work/no-onset.sqlite" 'ALTER TABLE run DROP COLUMN onset'
(echo "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0; CREATE TABLE t (x);
       INSERT INTO t VALUES (zeroblob(9000));" && sleep 1) | sqlite3 "$work/other.sqlite" >/dev/null &
sleep 0.5 && cp "$work/other.sqlite-wal" "$work/foreign-wal.sqlite-wal" && wait $!
sqlite3 "$work/negative.sqlite" 'PRAGMA user_version = -1'
sqlite3 "$work/huge.sqlite" 'CREATE TABLE run (x); PRAGMA journal_mode = WAL; PRAGMA user_version = 2147483647' >/dev/null
sqlite3 "$work/notes.sqlite" 'CREATE TABLE notes (x); INSERT INTO notes VALUES (1)'
mkfifo "$work/fifo.sqlite"
rows=(
    foreign-wal "was damaged; it was set aside as $work/foreign-wal.sqlite.damaged-20[^ ]* and a new logbook started$"
    no-onset "is left as it is \\(its run table has no column onset\\); this session's runs are not being kept$"
    negative "\\(its version, -1, is one no game writes\\); this session's runs are not being kept$"
    huge "is from a newer version of the game; it is shown"
    notes "is left as it is \\(it is another program's database\\)"
    fifo "\\(it is a FIFO, not a regular file\\); this session's runs are not being kept$"
)
bytes_of() { [[ -p "$1" ]] || cat "$1" && cat "$1-wal" 2>/dev/null; true; }  # FILE
for ((i = 0; i < ${#rows[@]}; i += 2)); do
    file="$work/${rows[i]}.sqlite"
    bytes_of "$file" >"$work/before"
    race_showing_history "$file"
    told_once "${rows[i + 1]}"
    kept=$(ls -d "$file".damaged-20* 2>/dev/null | grep -v -e '-wal$' -e '-shm$' || echo "$file")
    bytes_of "$kept" | cmp -s - "$work/before" || fail "${rows[i]}: its bytes changed"
done
[[ -e "$work/huge.sqlite-wal" || -e "$work/huge.sqlite-shm" ]] && fail "huge: a -wal or -shm made"
(($(runs_of "$work/no-onset.sqlite" | grep -c ',red light$') == 2)) || fail "no-onset: not exported"
timeout 5 "$game" --logbook "$work/fifo.sqlite" --export-logbook - 2>/dev/null && fail "fifo: exported"


# Two games at once, each with its own runs; the second's window lower right, raised to be clicked.
start_game "$game" --logbook "$work/shared.sqlite"
first=$window first_pid=$game_pid
launch_game "$game" --logbook "$work/shared.sqlite"
for _ in $(seq 100); do
    second=$(xdotool search --onlyvisible --name "$race_title" | grep -vx "$first" | head -n1)
    [[ -n "$second" ]] && break
    sleep 0.1
done
[[ -n "$second" ]] || die "the second game showed no race window"
xdotool windowmove "$second" 387 313 sleep 0.5
for window in "$first" "$second" "$first"; do
    xdotool windowraise "$window" sleep 0.3
    tap
    sleep 1.5
done
kill "$first_pid" "$game_pid" && wait "$first_pid" "$game_pid"
game_pid=""
[[ "$(runs_of "$work/shared.sqlite" | cut -d, -f1,2 | sort | tr '\n' ' ')" == "1,1 1,2 2,1 " ]] ||
    fail "two games: $(runs_of "$work/shared.sqlite")"
finish
