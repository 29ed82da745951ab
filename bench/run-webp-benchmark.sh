#!/usr/bin/env bash
# Times the program's WebP encoder under Wine (bench/WebpBenchmark) beside
# cwebp run natively on the very same pixels with the same settings: lossy
# at quality 90 with libwebp's default effort (-m 4), and lossless at effort
# 1 (-z 1) keeping every colour (-exact). cwebp's time includes reading the
# PPM file. Both are built from the same libwebp version, so equal settings
# give files of the same size.
#
#   bench/run-webp-benchmark.sh [REPETITIONS]      (default 5; medians)
#
# Needs the win64 build (cmake --preset win64 && cmake --build --preset win64).
set -euo pipefail
repetitions=${1:-5}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win64
program=$build/bench/WebpBenchmark.exe

if ! command -v cwebp >/dev/null; then
    sudo_if_needed=""
    [ "$(id -u)" -eq 0 ] || sudo_if_needed=sudo
    $sudo_if_needed apt-get install -y webp >/dev/null
fi
[ -x "$program" ] || cmake --build --preset win64 --target WebpBenchmark >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$root/tools/prepare-wine-prefix" "$build/wine-run" >/dev/null 2>&1
"$build/wine-run" "$program" "Z:$work" "$repetitions" >"$work/results.txt"

nanoseconds() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# The median milliseconds of cwebp with the given settings; its file stays as $work/cwebp.webp.
time_cwebp() {
    local input=$1 times=() start
    shift
    for _ in $(seq 1 "$repetitions"); do
        start=$(nanoseconds)
        cwebp -quiet "$@" "$input" -o "$work/cwebp.webp"
        times+=($(( ($(nanoseconds) - start) / 1000 )))
    done
    printf '%s\n' "${times[@]}" | median | awk '{ printf "%.1f", $1 / 1000 }'
}

printf '%-22s %-9s %11s %11s %7s %12s %12s\n' picture kind "program ms" "cwebp ms" ratio "program B" "cwebp B"
while read -r _ name ppm fields; do
    declare -A value=()
    for field in $fields; do value[${field%%=*}]=${field#*=}; done
    for kind in lossy lossless; do
        if [ "$kind" = lossy ]; then
            ms=$(time_cwebp "$work/$ppm" -q 90 -m 4)
        else
            ms=$(time_cwebp "$work/$ppm" -lossless -z 1 -exact)
        fi
        printf '%-22s %-9s %11s %11s %7.2f %12s %12s\n' "$name" "$kind" "${value[${kind}_ms]}" "$ms" \
            "$(echo "${value[${kind}_ms]} / $ms" | bc -l)" "${value[${kind}_bytes]}" "$(stat -c %s "$work/cwebp.webp")"
    done
done < <(tr -d '\r' <"$work/results.txt" | grep '^RESULT ')
