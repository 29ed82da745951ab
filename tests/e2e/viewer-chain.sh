#!/usr/bin/env bash
# The program leaves the clipboard-viewer chain when it ends: a viewer that
# joined before it still hears of every change afterwards.
source "$(dirname "$0")/lib.sh" "$1"

install_english 210000001 # the main window opens
log="$WORK/watcher.log"
(exec "$RUNNER" "$BUILD/tests/e2e/ChainWatcher.exe" "$(windows_path "$WORK")\\watcher.log") &
PIDS+=($!)
wait_for 15 grep -qs joined "$log" || fail "the watcher did not join the chain"
start_program program
wait_for 20 has_window "^Vellicor Rizezuza 2.2$" || fail "the main window did not open"

sleep 1
before=$(grep -c change "$log")
copy_text "while both watch"
wait_for 10 has_lines "$log" change $((before + 1)) || fail "the program did not pass the change on"

# The exit button: left column, bottom.
click_client "$(window_id "^Vellicor Rizezuza 2.2$")" 8400 5760 420 4260
wait_for 10 bash -c "! kill -0 $program 2>/dev/null" || fail "the exit button did not end the program"
before=$(grep -c change "$log")
copy_text "after the end"
wait_for 10 has_lines "$log" change $((before + 1)) || fail "the chain is broken after the program ended"
echo "viewer chain: passed"
