#!/usr/bin/env bash
# Kills the game 150 ms after a release (SIGKILL), 100 times unless given, on one logbook: each
# time every run so far must be in it and it must pass SQLite's integrity check. A lone copy of
# the game plays without sound, so no race sound holds the release's handler.
# Usage: logbook_kill_soak.sh GAME [KILLS]   (on an X display)
set -uo pipefail
# shellcheck source=tests/e2e/e2e_lib.sh
source "$(dirname "$0")/../e2e/e2e_lib.sh"
kills="${2:-100}"
work=$(mktemp -d /tmp/korvane-kill-soak-XXXXXX)
on_cleanup 'rm -rf "$work"'
cp "$1" "$work/korvane"
file="$work/logbook.sqlite"
for ((n = 1; n <= kills; n++)); do
    start_game "$work/korvane" --logbook "$file"
    press_race_button
    # Every tenth race is let go on the green, the rest during the staging walk.
    ((n % 10 == 0)) && wait_for_lamp Shape4 "$lit_green" 8000 >/dev/null
    release_race_button
    sleep 0.15
    kill -9 "$game_pid" && wait "$game_pid" 2>/dev/null
    game_pid=""
    kept=$("$work/korvane" --logbook "$file" --export-logbook - | tail -n +2 | wc -l)
    ((kept == n)) || fail "after kill $n the logbook keeps $kept runs"
    check=$(sqlite3 "$file" 'PRAGMA integrity_check')
    [[ "$check" == ok ]] || fail "after kill $n: $check"
    ((n % 10 == 0)) && echo "$n kills: $kept runs kept, integrity $check"
done
finish
