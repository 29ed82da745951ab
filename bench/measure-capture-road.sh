#!/usr/bin/env bash
# The capture timed from outside, beside its floor measured alone: a
# Windows-side program sets photo-like pictures as CF_DIB, and the time runs
# until a bare reader has the bytes (the program not running), or until the
# real program (automatic capture into slot #1) has the JPEG in the folder.
# The two take turns, ROUNDS rounds of COUNT pictures each, with Wine's
# server running for both; cjpeg is timed on the same pixels.
# Usage: bench/measure-capture-road.sh [BUILD_DIR] [ROUNDS] [COUNT]
#   (needs the test display: run it through bench/measure-performance.sh)
build=${1:-$(dirname "$0")/../build/win64}
rounds=${2:-3}
count=${3:-3}
source "$(dirname "$0")/../tests/e2e/lib.sh" "$build"

road() { "$RUNNER" "$BUILD/bench/CaptureRoad.exe" "$@"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
milliseconds_now() { echo $(($(date +%s%N) / 1000000)); }

bare_round() { # WIDTH HEIGHT SEED: the bare reader alone
    (exec "$RUNNER" "$BUILD/bench/CaptureRoad.exe" reader >"$WORK/reader.txt" 2>&1) &
    local reader=$!
    PIDS+=("$reader")
    wait_for 20 grep -qs listening "$WORK/reader.txt" || fail "the bare reader did not start"
    road bare "$1" "$2" "$count" "$3" | tr -d '\r' >>"$WORK/bare-$1.txt" || fail "the bare reader missed a picture"
    "$RUNNER" taskkill /f /im CaptureRoad.exe >/dev/null 2>&1 || true
    wait "$reader" 2>/dev/null || true
}

program_round() { # WIDTH HEIGHT SEED: the real program
    start_program program
    wait_until_ready
    road program "$(windows_path "$WORK/slot1")" "$1" "$2" "$count" "$3" | tr -d '\r' >>"$WORK/program-$1.txt" ||
        fail "the program missed a picture"
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    "$RUNNER" taskkill /f /im vellicor.exe >/dev/null 2>&1 || true
    sleep 1
}

cjpeg_ms() { # WIDTH HEIGHT
    local ppm="$WORK/photo-$1.ppm" times=() start
    road ppm "$(windows_path "$WORK")\\photo-$1.ppm" "$1" "$2" 7 || fail "no PPM"
    for _ in 1 2 3 4 5; do
        start=$(date +%s%N)
        cjpeg -quality 100 -sample 1x1 -outfile "$WORK/cjpeg.jpg" "$ppm"
        times+=($((($(date +%s%N) - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | median | awk '{ printf "%.1f", $1 / 1000 }'
}

install_english "${VELLICOR_OPTIONS:-111100001}" # 640 x 480 on, in the tray (by default), automatic capture, log on
set_slot 1
"$RUNNER" cmd /c exit >/dev/null 2>&1 || true # Wine's server up for both
for size in "1920 1080" "4000 3000"; do
    read -r width height <<<"$size"
    for round in $(seq 1 "$rounds"); do
        bare_round "$width" "$height" $((round * 100))
        program_round "$width" "$height" $((round * 100 + 50))
    done
    bare=$(median <"$WORK/bare-$width.txt")
    capture=$(median <"$WORK/program-$width.txt")
    cjpeg=$(cjpeg_ms "$width" "$height")
    echo "runs in ms, bare reader: $(tr '\n' ' ' <"$WORK/bare-$width.txt"); program: $(tr '\n' ' ' <"$WORK/program-$width.txt")" >&2
    printf '%s x %s photo-like, change to JPEG on disk: %s ms; a bare reader alone: %s ms (%.2f x); cjpeg: %s ms (%.2f x)\n' \
        "$width" "$height" "$capture" "$bare" "$(echo "$capture / $bare" | bc -l)" "$cjpeg" \
        "$(echo "$capture / $cjpeg" | bc -l)"
done
