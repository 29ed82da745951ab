#!/usr/bin/env bash
# Gathers every performance figure of the README in one run: capture time and
# JPEG encoding beside cjpeg, then the real program's start-up, memory and
# idle CPU under Wine. Writes the figures to stdout and to
# build/win64/performance.txt.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win64
out=$build/performance.txt
{
    echo "== capture and JPEG encoding (medians)"
    "$root/bench/run-capture-benchmark.sh" "${1:-5}"
    echo "== the program under Wine"
    "$root/tools/xvfb-session" start "$build/xvfb.state" >/dev/null
    trap '"$root/tools/xvfb-session" stop "$build/xvfb.state" >/dev/null' EXIT
    "$root/tools/prepare-wine-prefix" "$build/wine-run" >/dev/null 2>&1
    "$root/bench/measure-capture-road.sh" "$build" 2>&1 | grep -v -e '^X Error' -e '^  '
    "$root/bench/measure-program.sh" "$build" 2>&1 | grep -v -e '^X Error' -e '^  '
    "$root/bench/measure-huge-capture.sh" "$build" 2>&1 | grep -v -e '^X Error' -e '^  '
    "$root/bench/measure-lost-pictures.sh" "$build" 2>&1 | grep -v -e '^X Error' -e '^  '
} | tee "$out"
