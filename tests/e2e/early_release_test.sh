#!/usr/bin/env bash
# Lets go of the race button of the real game right after the first amber, long before the
# green: the player's red lamp lights, the green stays dim and the green skull shows beside the
# player's lane.
# Usage: early_release_test.sh GAME   (on an X display, with a sound server)
set -uo pipefail
source "$(dirname "$0")/e2e_lib.sh"

# The player's red-light picture, right of the player's lamps.
skull_area=$(area Image1)

start_game "$1"
capture
# shellcheck disable=SC2086  # the area is four numbers
skull_before=$(green_pixels $skull_area)

press_race_button
amber_at=$(wait_for_lamp Shape1 "$lit_amber" 5000 Shape2 Shape3)
release_race_button
echo "an amber seen ${amber_at:-never} ms after the press; released at $((released - pressed)) ms"
[[ -n "$amber_at" ]] || die "no amber lit"

# The red-light sound blocks the game for 0.8 s; the outcome is on screen before it.
sleep 1.2
capture
expect_lamp Shape5 "$lit_red"
expect_lamp Shape4 "$dim_green"
# shellcheck disable=SC2086
skull_after=$(green_pixels $skull_area)
echo "green pixels where the player's skull goes: $skull_before before the race, $skull_after now"
((skull_before < 50)) || fail "the skull's place was already green before the race"
((skull_after > 1000)) || fail "no green skull beside the player's lane"
stop_game
finish
