#!/usr/bin/env bash
# A newcomer's first run: only the language chooser shows; choosing English
# removes the first-run marker and opens the main window.
source "$(dirname "$0")/lib.sh" "$1"

install_fresh
start_program program
wait_for 20 has_window "^Language Changer$" || fail "the language chooser did not open"
sleep 0.5
has_window "^Vellicor Rizezuza 2.2$" && fail "the main window shows before a language is chosen"

# The list of languages has the keyboard: the first folder below lang is English.
chooser=$(window_id "^Language Changer$")
geometry "$chooser"
xdotool mousemove $((X + 60)) $((Y + 8)) click 1
xdotool key Down Return
sleep 0.5
xdotool key alt+o
wait_for 10 test ! -e "$INSTALL/VLSTART.1ST" || fail "the first-run marker is still there"
cmp -s "$INSTALL/VLCRLANG.DRV" "$INSTALL/lang/English/vlcrEnglish.drv" || fail "English was not copied into place"
wait_for 10 has_window "^Vellicor Rizezuza 2.2$" || fail "the main window did not open"
has_window "^Language Changer$" && fail "the chooser is still open"
echo "first run: passed"
