#!/usr/bin/env bash
# Peak memory of the real program for one 8000 x 6000 capture and a second after it (automatic,
# into slot #1), beside its memory at rest and the picture's own size, the
# time from the clipboard change to the JPEG on disk, and the longest time
# the main window kept a user waiting meanwhile, beside its floor: a bare
# window program asked the same way while the same picture is set with the
# program not running (under Wine every message of every program passes
# through one server, busy while it moves the picture).
# Usage: bench/measure-huge-capture.sh [BUILD_DIR]   (needs the test display:
# run it through bench/measure-performance.sh, which starts one)
build=${1:-$(dirname "$0")/../build/win64}
source "$(dirname "$0")/../tests/e2e/lib.sh" "$build"

status_kib() { awk -v key="^$2:" '$0 ~ key {print $2}' "/proc/$1/status"; }

# The floor: the bare window while the picture is set and nobody reads it.
("$RUNNER" "$BUILD/bench/BareWindow.exe") &
PIDS+=("$!")
wait_for 30 has_window "^Bare Window$" || fail "the bare window did not start"
"$RUNNER" "$BUILD/bench/WindowPing.exe" "Bare Window" 8 >"$WORK/alone-ping.txt" &
alone_ping=$!
sleep 1
"$RUNNER" "$BUILD/tests/e2e/SetPictures.exe" 1 8000 6000 0 2 || fail "the picture was not set"
wait "$alone_ping"
"$RUNNER" taskkill /f /im BareWindow.exe >/dev/null 2>&1 || true

start_with_slot1 110100001 # 640 x 480 on, main window open, automatic capture
sleep 3
rest=$(status_kib "$program" VmRSS)
"$RUNNER" "$BUILD/bench/WindowPing.exe" "Vellicor Rizezuza 2.2" 12 >"$WORK/ping.txt" &
ping=$!
sleep 1
started=$(date +%s.%N)
"$RUNNER" "$BUILD/tests/e2e/SetPictures.exe" 1 8000 6000 0 || fail "the picture was not set"
wait_for 120 has_jpegs "$WORK/slot1" 1 || fail "the picture did not land"
landed=$(date +%s.%N)
wait "$ping"
echo "main window during the capture: $(cat "$WORK/ping.txt")"
echo "a bare window while the same picture is set, the program not running: $(cat "$WORK/alone-ping.txt")"
peak=$(status_kib "$program" VmHWM)
printf 'one 8000 x 6000 capture: %.1f s from starting the setting program to the JPEG; memory at rest %d MiB, peak %d MiB (the picture: %d MiB)\n' \
    "$(echo "$landed - $started" | bc)" $((rest / 1024)) $((peak / 1024)) $((8000 * 6000 * 4 / 1048576))
# A second, different picture of the same size right after the first.
"$RUNNER" "$BUILD/tests/e2e/SetPictures.exe" 1 8000 6000 0 1 || fail "the second picture was not set"
wait_for 120 has_jpegs "$WORK/slot1" 2 || fail "the second picture did not land"
printf 'two successive 8000 x 6000 captures: peak %d MiB\n' $(($(status_kib "$program" VmHWM) / 1024))
