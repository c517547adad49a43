#!/usr/bin/env bash
# The game and its display. Without one, with one that is not there, one that never answers, or
# one that goes away while the game starts, it says "korvane: cannot open a display: ..." in one
# line and ends with status 1 (never an abort, never a hang). With its race window destroyed by
# another program, it ends with status 0 within a second.
# Usage: display_test.sh GAME   (on an X display)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"
game="$1"
export SDL_AUDIODRIVER=dummy
err=$(mktemp)
number="$err.display"
runtime=$(mktemp -d)  # for Wayland sockets
on_cleanup 'rm -f "$err" "$number"; [[ -n "${xvfb_pid:-}" ]] && kill "$xvfb_pid" 2>/dev/null'
on_cleanup 'rm -rf "$runtime"; [[ -n "${listener_pid:-}" ]] && kill "$listener_pid" && rm "$listen"'

# Checks that the game ended with status 1 after one line naming what it tried.
expect_no_display() {  # WHAT STATUS TRIED
    echo "$1: status $2, said: $(cat "$err")"
    (($2 == 1)) || fail "$1: the game ended with status $2"
    (($(wc -l <"$err") == 1)) || fail "$1: not one line on stderr"
    grep -q "^korvane: cannot open a display: tried $3: " "$err" || fail "$1: not the line expected"
    grep -q "Reinstalling" "$err" && fail "$1: Qt's advice to reinstall, not the reason"
}

# Displays that are not there, and ones that take the connection and never answer: a listener
# on their socket that accepts and stays silent. Each ends the game within 30 s.
absent=9000
while [[ -e /tmp/.X11-unix/X$absent ]]; do absent=$((absent + 1)); done
silent=$((absent + 1))
while [[ -e /tmp/.X11-unix/X$silent ]]; do silent=$((silent + 1)); done
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' "$runtime/dead-0"
accept_silently='
import socket, sys
listener = socket.socket(socket.AF_UNIX)
listener.bind(sys.argv[1])
listener.listen()
accepted = []
while True:
    accepted.append(listener.accept())'
wayland="XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=wayland"
while IFS='|' read -r what tried listen settings; do
    listener_pid=""
    if [[ -n $listen ]]; then
        python3 -c "$accept_silently" "$listen" &
        listener_pid=$!
        timeout 5 sh -c "until [ -S '$listen' ]; do sleep 0.05; done"
    fi
    started=$(now_ms)
    # shellcheck disable=SC2086  # the settings are words for env
    env $settings timeout 40 "$game" 2>"$err"
    expect_no_display "$what" $? "$tried"
    took=$(($(now_ms) - started))
    ((took < 30000)) || fail "$what: the game ended only after $took ms"
    [[ -n $listener_pid ]] && kill "$listener_pid" && rm "$listen"
done <<EOF
no DISPLAY|xcb on DISPLAY (unset)||-u DISPLAY -u WAYLAND_DISPLAY
DISPLAY=:$absent, not there|xcb on DISPLAY=:$absent||-u WAYLAND_DISPLAY DISPLAY=:$absent
a Wayland socket no one listens on|wayland on WAYLAND_DISPLAY=dead-0||$wayland WAYLAND_DISPLAY=dead-0
an X server that never answers|xcb on DISPLAY=:$silent|/tmp/.X11-unix/X$silent|-u WAYLAND_DISPLAY DISPLAY=:$silent
a Wayland server that never answers|wayland on WAYLAND_DISPLAY=silent-0|$runtime/silent-0|$wayland WAYLAND_DISPLAY=silent-0
EOF
listener_pid=""

# A display of its own, killed DELAY seconds after the game started on it.
for delay in 0.1 0.4 1.5; do
    : >"$number"
    Xvfb -displayfd 3 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    xvfb_pid=$!
    timeout 5 sh -c "until [ -s '$number' ]; do sleep 0.05; done"
    own=$(tr -dc '0-9' <"$number")
    DISPLAY=":$own" timeout 20 "$game" 2>"$err" &
    sleep "$delay"
    kill -KILL "$xvfb_pid"
    xvfb_pid=""
    wait $!  # the game
    expect_no_display "display gone ${delay} s after the start" $? "xcb on DISPLAY=:$own"
done

# Qt's start-up lines are held back for a few seconds; a game ended in that time still shows
# them. An unknown style makes one. A run with fatal warnings ends on it; the others end by the
# signal named, sent once a window shows, and still with that signal's status.
ulimit -c 0  # no core files from the crash and the abort
# An AddressSanitizer build would take the crash signal for itself and report it instead.
asan_options="${ASAN_OPTIONS:+$ASAN_OPTIONS:}handle_segv=0"
while read -r signal fatal expected; do
    ASAN_OPTIONS=$asan_options QT_FATAL_WARNINGS=${fatal#-} QT_STYLE_OVERRIDE=nonesuch \
        "$game" 2>"$err" &
    game_pid=$!
    if [[ $signal != - ]]; then
        timeout 10 xdotool search --sync --onlyvisible --classname korvane >/dev/null
        kill -s "$signal" "$game_pid"
    fi
    wait "$game_pid"
    status=$?
    game_pid=""
    how="ended by ${signal/-/a fatal warning}"
    echo "held lines, $how: status $status, said: $(cat "$err")"
    ((status == expected)) || fail "$how: status $status, not $expected"
    grep -q "invalid style override 'nonesuch'" "$err" || fail "$how: the line was lost"
done <<'EOF'
TERM - 143
HUP - 129
SEGV - 139
- 1 134
EOF

# The race window destroyed by another program, as `xdotool windowclose` does.
start_game "$game"
xdotool windowclose "$window"
wait_for_game_end "$(now_ms)" "the game runs on with its window destroyed"
took=$ended_ms
echo "race window destroyed: the game ended $took ms later with status $status"
((status == 0 && took < 1000)) || fail "the game ended with status $status after $took ms"
finish
