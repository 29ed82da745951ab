#!/usr/bin/env bash
# Measures the real program under Wine: start-up time, memory (resident set,
# Wine's working set) after start and after ten captures, and CPU use over
# 60 s while it sits in the tray with the notification window parked.
# Usage: bench/measure-program.sh [BUILD_DIR]   (needs the test display:
# run it through bench/measure-performance.sh, which starts one)
build=${1:-$(dirname "$0")/../build/win64}
source "$(dirname "$0")/../tests/e2e/lib.sh" "$build"

resident_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Start-up: from launch until the main window is shown and answers (drawn,
# its thread back in its loop), beside a bare window program started the
# same way (the floor); five of each, alternately, with Wine's server already
# running (as on Windows, where nothing like it starts with a program).
# bench/StartTimer starts each and looks every millisecond.
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }
install_english 210100001 # main window open, automatic capture into slot #1
set_slot 1
"$RUNNER" cmd /c exit >/dev/null 2>&1 || true
bare_exe=$(windows_path "$BUILD/bench/BareWindow.exe")
program_exe=$(windows_path "$INSTALL/vellicor.exe")
for run in 1 2 3 4 5; do
    # Into files: the started program keeps the timer's output open.
    "$RUNNER" "$BUILD/bench/StartTimer.exe" "Bare Window" "$bare_exe" >>"$WORK/bare-times.txt"
    "$RUNNER" taskkill /f /im BareWindow.exe >/dev/null 2>&1
    sleep 3 # a start soon after an end waits for Wine to tidy up the ended program
    "$RUNNER" "$BUILD/bench/StartTimer.exe" "Vellicor Rizezuza 2.2" "$program_exe" >>"$WORK/program-times.txt"
    "$RUNNER" taskkill /f /im vellicor.exe >/dev/null 2>&1
    sleep 3
done
echo "start-up runs in ms, a bare window: $(tr -d "\r" <"$WORK/bare-times.txt" | tr "\n" " "); the program: $(tr -d "\r" <"$WORK/program-times.txt" | tr "\n" " ")" >&2
bare_ms=$(tr -d '\r' <"$WORK/bare-times.txt" | median)
program_ms=$(tr -d '\r' <"$WORK/program-times.txt" | median)
printf 'start-up to main window: %d ms (a bare window: %d ms, %.1f x; medians of 5)\n' "$program_ms" "$bare_ms" \
    "$(echo "scale=2; $program_ms / $bare_ms" | bc)"
start_program program
wait_until_ready
sleep 3
printf 'memory after start: %d MiB\n' $(($(resident_kib "$program") / 1024))

for i in $(seq 1 10); do
    # Ten different pictures: the same one copied again is not saved again.
    picture="$WORK/capture-$i.bmp"
    convert -size 1920x1080 gradient:orange-navy -fill white -draw "rectangle 0,0 $((i * 10)),$((i * 10))" "bmp3:$picture"
    copy_picture_until "$picture" has_jpegs "$WORK/slot1" "$i" || fail "capture $i did not arrive"
    copy_text "between captures $i"
    sleep 0.3
done
sleep 2
printf 'memory after ten captures: %d MiB\n' $(($(resident_kib "$program") / 1024))
kill "$program"
wait "$program" 2>/dev/null || true

# Idle: minimized into the tray, the notification window parked below the screen.
printf '211000001\r\n' >"$INSTALL/VLCREXT.INI"
start_program idle
wait_until_ready
sleep 3
ticks_per_second=$(getconf CLK_TCK)
# Under Wine, timers also cost the Wine server, so it is measured as well.
server_ticks() {
    local pid sum=0
    for pid in $(pgrep -f 'wineserver' || true); do sum=$((sum + $(cpu_ticks "$pid"))); done
    echo "$sum"
}
before=$(cpu_ticks "$idle")
server_before=$(server_ticks)
sleep 60
after=$(cpu_ticks "$idle")
server_after=$(server_ticks)
percent() { echo "scale=4; ($2 - $1) * 100 / ($ticks_per_second * 60)" | bc; }
printf 'idle CPU over 60 s in the tray: program %.2f %%, Wine server %.2f %% of one core\n' \
    "$(percent "$before" "$after")" "$(percent "$server_before" "$server_after")"
kill "$idle" 2>/dev/null || true
wait "$idle" 2>/dev/null || true

# A pointer resting on the main window: on a check box, on a picture button
# with its tool tip; beside a bare window with one button under the pointer.
rest_percent() { # PID X Y: CPU of the process over 20 s with the pointer at X, Y
    xdotool mousemove "$2" "$3"
    sleep 2
    local before=$(cpu_ticks "$1")
    sleep 20
    echo "scale=2; ($(cpu_ticks "$1") - $before) * 100 / ($ticks_per_second * 20)" | bc
}
printf '210100001\r\n' >"$INSTALL/VLCREXT.INI"
start_program open
wait_until_ready
geometry "$(window_id "^Vellicor Rizezuza 2.2")"
on_box=$(rest_percent "$open" $((X + WIDTH / 2)) $((Y + HEIGHT / 2)))
on_picture_button=$(rest_percent "$open" $((X + 30)) $((Y + 60)))
kill "$open"
("$RUNNER" "$BUILD/bench/BareWindow.exe" button) &
PIDS+=("$!")
wait_for 30 has_window "^Bare Window$" || fail "the bare window did not start"
sleep 2
geometry "$(window_id "^Bare Window$")"
on_bare_button=$(rest_percent "$(pgrep -f 'BareWindow.exe' | tail -n 1)" $((X + 60)) $((Y + 70)))
printf 'idle CPU, main window open, pointer resting on a check box / on a picture button with its tool tip: %s %% / %s %%; a bare window, pointer on its button: %s %%\n' \
    "$on_box" "$on_picture_button" "$on_bare_button"
