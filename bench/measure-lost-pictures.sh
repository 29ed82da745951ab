#!/usr/bin/env bash
# Pictures a user could lose, counted on the real program (automatic capture,
# 640 x 480 on, in the tray): 20 pictures 150 ms apart behind a viewer that
# swallows every change notice; 20 behind a viewer killed without leaving
# the chain; 100 pictures 20 ms and 5 ms apart. Each picture differs in colour
# from the one before, so none is taken for the same picture copied again.
# Usage: bench/measure-lost-pictures.sh [BUILD_DIR]   (needs the test display:
# run it through bench/measure-performance.sh, which starts one)
build=${1:-$(dirname "$0")/../build/win64}
source "$(dirname "$0")/../tests/e2e/lib.sh" "$build"

jpegs() { find "$WORK/slot1" -name '*.jpg' | wc -l; }
# COUNT pictures PAUSE ms apart, from index FIRST on; waits until they settle.
# The setting program stops when it cannot open the clipboard for half a
# second: what was set is counted.
caught_of() {
    local count=$1 pause=$2 first=$3 before set
    before=$(jpegs)
    if "$RUNNER" "$BUILD/tests/e2e/SetPictures.exe" "$count" 640 480 "$pause" "$first" 2>"$WORK/set.txt"; then
        set=$count
    else
        set=$(sed -n 's/^picture \([0-9]*\) could not be set.*/\1/p' "$WORK/set.txt")
    fi
    sleep 6
    echo "$(($(jpegs) - before)) of $set caught$([ "$set" = "$count" ] || echo " ($(cat "$WORK/set.txt"))")"
}
watcher() { # MODE: swallow or pass
    (exec "$RUNNER" "$BUILD/tests/e2e/ChainWatcher.exe" "$(windows_path "$WORK")\\watcher-$1.log" "$1") &
    PIDS+=($!)
    wait_for 15 grep -qs joined "$WORK/watcher-$1.log" || fail "the watcher did not join the chain"
}

start_with_slot1 1111000010
sleep 2
watcher swallow # joins after the program: in front of it
echo "a viewer in front that swallows change notices, 20 pictures 150 ms apart: $(caught_of 20 150 0)"
"$RUNNER" taskkill /f /im ChainWatcher.exe >/dev/null 2>&1
sleep 2
watcher pass
"$RUNNER" taskkill /f /im ChainWatcher.exe >/dev/null 2>&1 # gone without leaving the chain
sleep 2
echo "a viewer in front killed without leaving the chain, 20 pictures: $(caught_of 20 150 20)"
for pause in 20 5; do
    echo "100 pictures $pause ms apart: $(caught_of 100 "$pause" $((pause * 10)))"
done
