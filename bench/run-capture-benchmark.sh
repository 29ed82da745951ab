#!/usr/bin/env bash
# Times a capture of the program inside one process (from the clipboard
# change to the finished JPEG, and the JPEG encoding alone) under Wine,
# beside cjpeg run natively on the very same pixels with the same settings
# (quality 100, no chroma subsampling). The capture from another program,
# beside its floor timed alone, is bench/measure-capture-road.sh.
#
#   bench/run-capture-benchmark.sh [REPETITIONS]      (default 5; medians)
#
# Needs the win64 build (cmake --preset win64 && cmake --build --preset win64).
set -euo pipefail
repetitions=${1:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win64
program=$build/bench/CaptureBenchmark.exe

if ! command -v cjpeg >/dev/null; then
    sudo_if_needed=""
    [ "$(id -u)" -eq 0 ] || sudo_if_needed=sudo
    $sudo_if_needed apt-get install -y libjpeg-turbo-progs >/dev/null
fi
[ -x "$program" ] || cmake --build --preset win64 --target CaptureBenchmark >/dev/null

work=$(mktemp -d)
cleanup() {
    "$root/tools/xvfb-session" stop "$build/xvfb.state" >/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
"$root/tools/xvfb-session" start "$build/xvfb.state" >/dev/null
"$root/tools/prepare-wine-prefix" "$build/wine-run" >/dev/null 2>&1

"$build/wine-run" "$program" "Z:$work" "$repetitions" >"$work/results.txt"

nanoseconds() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

printf '%-20s %11s %11s %11s %11s %11s\n' picture "capture ms" "from PNG ms" "encode ms" "cjpeg ms" "jpeg bytes"
while read -r _ name fields; do
    declare -A value=()
    for field in $fields; do value[${field%%=*}]=${field#*=}; done
    times=()
    for _ in $(seq 1 "$repetitions"); do
        start=$(nanoseconds)
        cjpeg -quality 100 -sample 1x1 -outfile "$work/cjpeg.jpg" "$work/${value[ppm]}"
        times+=($(( ($(nanoseconds) - start) / 1000 )))
    done
    cjpeg_ms=$(printf '%s\n' "${times[@]}" | median | awk '{ print $1 / 1000 }')
    printf '%-20s %11s %11s %11s %11.1f %11s\n' "$name" "${value[road_ms]}" "${value[road_png_ms]}" \
        "${value[encode_ms]}" "$cjpeg_ms" "${value[jpeg_bytes]}"
done < <(tr -d '\r' <"$work/results.txt" | grep '^RESULT ')
