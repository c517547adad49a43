#!/usr/bin/env bash
# The game's command line, on the X display in $DISPLAY and with none; then the data folder,
# found from a symlink to the game and missed by a lone copy of it, which says so once and plays
# on; each time the window's X11 class matches the desktop entry; no benchmark hook in it.
# Usage: command_line_test.sh GAME
set -uo pipefail
game="$1"
source "$(dirname "$0")/../e2e/e2e_lib.sh"
work=$(mktemp -d /tmp/korvane-cli-XXXXXX)
on_cleanup 'rm -rf "$work"'

# Logbooks to export: one lacking most columns, one damaged deep in its runs, one whose version
# no game writes, and a FIFO; an older export that a failed one must leave whole.
few_columns="PRAGMA user_version = 2; CREATE TABLE session (id INTEGER PRIMARY KEY);
    CREATE TABLE run (session, run, level);
    WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000)
    INSERT INTO run SELECT 1, i, printf('Normal %0200d', i) FROM n"
sqlite3 "$work/few.sqlite" "$few_columns"
cp "$work/few.sqlite" "$work/damaged.sqlite"
dd if=/dev/zero of="$work/damaged.sqlite" bs=4096 seek=150 count=1 conv=notrunc status=none
sqlite3 "$work/negative.sqlite" 'PRAGMA user_version = -1000'
mkfifo "$work/fifo"
echo "an older export" >"$work/older.csv"

# Arguments, exit status, the stream to read, and a regular expression it must match. Each row
# runs on the display and again with none: nothing here may need one.
rows=(
    "--help" 0 stdout "^Usage: .*korvane \[options\]"
    "--version" 0 stdout "^korvane 1\.00$"
    "-platform offscreen --version" 0 stdout "^korvane 1\.00$"
    "-style Fusion --version" 0 stdout "^korvane 1\.00$"
    "--help-all" 0 stdout "--platform <platformName"
    "--bogus" 2 stderr "Unknown option 'bogus'\..*Usage: "
    "-style Fusion --bogus" 2 stderr "Unknown option 'bogus'\..*Usage: "
    "extra" 2 stderr "Unexpected argument 'extra'\..*Usage: "
    "--help" 0 stdout "--logbook <file> .*--no-logbook .*--export-logbook <file> "
    "--logbook $work/none --export-logbook -" 1 stderr "^korvane: cannot export the logbook $work/none: there is no such file or folder$"
    "--logbook=" 2 stderr "^korvane: --logbook needs a file name$"
    "--logbook $work/"$'\xff'".sqlite" 2 stderr "^korvane: --logbook takes a file name in UTF-8 only$"
    "--logbook $work/few.sqlite --export-logbook -" 0 stdout "^session,run,.*,10000,,,,,,"
    "--logbook $work/damaged.sqlite --export-logbook $work/older.csv" 1 stderr "^korvane: cannot export the logbook $work/damaged.sqlite: the file is damaged$"
    "--logbook $work/negative.sqlite --export-logbook -" 1 stderr "^korvane: cannot export the logbook $work/negative.sqlite: its version, -1000, is one no game writes$"
    "--logbook $work/fifo --export-logbook -" 1 stderr "^korvane: cannot export the logbook $work/fifo: it is a FIFO, not a regular file$"
)
for display in "$DISPLAY" ""; do
    on_display=(-u DISPLAY)
    [[ -n "$display" ]] && on_display=("DISPLAY=$display")
    for ((i = 0; i < ${#rows[@]}; i += 4)); do
        # shellcheck disable=SC2086  # the arguments are split on purpose
        timeout 20 env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${on_display[@]}" "$game" ${rows[i]} \
            >"$work/stdout" 2>"$work/stderr"
        status=$?
        text=$(<"$work/${rows[i + 2]}")
        text=${text//$'\n'/ }
        where="'${rows[i]}' on display '$display'"
        ((status == rows[i + 1])) || fail "$where ended with $status, expected ${rows[i + 1]}"
        [[ "$text" =~ ${rows[i + 3]} ]] || fail "$where printed '$text' on ${rows[i + 2]}"
    done
done

# A file size limit stops the export part-way, as a full disk would.
(trap '' XFSZ && ulimit -f 100 && env -u DISPLAY "$game" --logbook "$work/few.sqlite" \
    --export-logbook "$work/older.csv") 2>"$work/stderr"
status=$?
((status == 1)) && grep -q "^korvane: cannot export the logbook $work/few.sqlite: " "$work/stderr" ||
    fail "over the file size limit: status $status, $(cat "$work/stderr")"
[[ "$(cat "$work/older.csv")" == "an older export" ]] || fail "a failed export cut the older one"
[[ "$(sqlite3 "$work/negative.sqlite" 'PRAGMA user_version')" == -1000 ]] || fail "negative: written"
# Standard output closed or full: nothing reached anyone, and the game says so.
for out in "&-" "/dev/full"; do
    eval 'env -u DISPLAY "$game" --logbook "$work/few.sqlite" --export-logbook - >'"$out" 2>"$work/stderr"
    status=$?
    ((status == 1)) || fail "stdout $out: exported with status $status"
    grep -qE "^korvane: cannot export the logbook .*: (standard output is closed|No space left on device)$" \
        "$work/stderr" || fail "stdout $out: $(cat "$work/stderr")"
done

# The desktop matches the window to its entry by the X11 class.
entry="$(dirname "$0")/../../desktop/org.korvane.Korvane.desktop"
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[[ -n "$wm_class" ]] || fail "the desktop entry has no StartupWMClass"

# Starts GAME, waits for the race window, ends the game; leaves its stderr in $work/stderr.
play_briefly() {
    SDL_AUDIODRIVER=dummy "$1" 2>"$work/stderr" &
    game_pid=$!
    window=$(find_window '^Korvane - By Vantrel$' 20)
    [[ -n "$window" ]] || fail "$1 showed no race window"
    [[ -z "$window" || "$(xprop -id "$window" WM_CLASS)" == *", \"$wm_class\"" ]] ||
        fail "$1: $(xprop -id "$window" WM_CLASS), the desktop entry says $wm_class"
    stop_game
}
mkdir -p "$work/elsewhere" "$work/lone/bin"
ln -s "$game" "$work/elsewhere/korvane"
play_briefly "$work/elsewhere/korvane"
grep -q "data folder" "$work/stderr" && fail "through a symlink: $(cat "$work/stderr")"

cp "$game" "$work/lone/bin/korvane"
play_briefly "$work/lone/bin/korvane"
said=$(grep -c "^korvane: no data folder at $work/lone/.*korvane; the game plays without sound$" \
    "$work/stderr")
((said == 1)) || fail "a lone copy said this $said times: $(cat "$work/stderr")"
said=$(grep -c "^korvane: no devices module (.*korvane-devices.so.*); the game plays without sound or controllers$" \
    "$work/stderr")
((said == 1)) || fail "a lone copy told its missing module $said times: $(cat "$work/stderr")"

# The benchmarks' hooks are in their own build of the game, never in the one installed.
grep -q KORVANE_BENCH "$game" && fail "the game reads a benchmark hook"
finish
