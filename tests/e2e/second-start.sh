#!/usr/bin/env bash
# A second start shows the (104) message and ends; the first copy keeps
# catching pictures.
source "$(dirname "$0")/lib.sh" "$1"

install_english 211100001 # automatic capture into slot #1, minimized
set_slot 1
start_program first
wait_until_ready
start_program second
wait_for 20 has_window "^Clipboard Viewer$" || fail "no message box of the second copy"
geometry "$(window_id "^Clipboard Viewer$")"
xdotool mousemove $((X + 10)) $((Y + 8)) click 1 key Return
wait_for 10 bash -c "! kill -0 $second 2>/dev/null" || fail "the second copy did not end"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"

copy_picture_until "$(make_picture 1024 768)" has_jpegs "$WORK/slot1" 1 ||
    fail "the first copy caught nothing after the refusal"
echo "second start: passed"
