#!/usr/bin/env bash
# Every copied picture is caught exactly once: pictures set quickly one after
# the other by a Windows program all land, each as itself; the same picture
# set twice lands once; a picture set while the typed-name prompt is open is
# saved after it, and the name typed goes with the picture shown when the
# save began. In a burst 20 ms apart, every picture is caught or counted in
# the one log line of changes that went by unread.
source "$(dirname "$0")/lib.sh" "$1"

set_pictures() { "$RUNNER" "$BUILD/tests/e2e/SetPictures.exe" "$@" || fail "SetPictures $*"; }

# The picture index a saved JPEG shows: its colour is SetPictures' key colour
# of that index, uniform (q100 keeps it within a step or two).
key_of() {
    local r g b spread
    read -r r g b spread < <(convert "$1" -format '%[fx:round(255*mean.r)] %[fx:round(255*mean.g)] %[fx:round(255*mean.b)] %[fx:round(1000*standard_deviation)]' info:)
    ((spread <= 5)) || { echo "uneven"; return; }
    local i=0 channel
    for channel in "$r:1" "$g:4" "$b:16"; do
        local value=${channel%%:*} weight=${channel##*:} step=$(((${channel%%:*} - 20 + 35) / 70))
        ((value - 20 - step * 70 <= 2 && step * 70 + 20 - value <= 2)) || { echo "off"; return; }
        i=$((i + step * weight))
    done
    echo "$i"
}

# --- Automatic capture, 640 x 480 on, in the tray, log on -----------------------------------
start_with_slot1 111100001

set_pictures 50 800 600 100
wait_for 90 has_jpegs "$WORK/slot1" 50 || fail "only $(jpeg_count "$WORK/slot1") of 50 pictures landed"
sleep 3
[ "$(jpeg_count "$WORK/slot1")" -eq 50 ] || fail "$(jpeg_count "$WORK/slot1") files for 50 pictures"
keys=$(for f in "$WORK"/slot1/*.jpg; do
    [ "$(identify -format '%w %h' "$f")" = "800 600" ] || fail "not 800 x 600: $f"
    key_of "$f"
done | sort -n | tr '\n' ' ')
[ "$keys" = "$(seq 0 49 | tr '\n' ' ')" ] || fail "not each picture once: $keys"

set_pictures 0 800 600 200 60
sleep 3
[ "$(jpeg_count "$WORK/slot1")" -eq 51 ] || fail "the same picture set twice gave $(($(jpeg_count "$WORK/slot1") - 50)) files"

set_pictures 50 640 480 20
sleep 6
caught=$(($(jpeg_count "$WORK/slot1") - 51))
unread_lines=$(read_log | sed -n 's/.* - Clipboard changes that went by too quickly to be read: \([0-9]*\)$/\1/p')
unread=$(printf '%s\n' "$unread_lines" | awk '{ s += $1 } END { print s + 0 }')
[ "$(printf '%s' "$unread_lines" | grep -c .)" -le 1 ] || fail "the burst's unread changes were told in several lines: $unread_lines"
((caught + unread == 50)) || fail "of a burst of 50 pictures, $caught were caught and $unread counted as unread"
echo "a burst of 50 pictures 20 ms apart: $caught caught, $unread counted as unread"
stop_wine

# --- Names by hand: a picture set while the prompt is open waits its turn -------------------
install_english 111100011
rm -rf "$WORK/slot1"
set_slot 1
start_program program
wait_until_ready

prompt_open() { has_window "^File name$"; }
answer_prompt() {
    wait_for 20 prompt_open || fail "no prompt for a name"
    local id
    id=$(window_id "^File name$")
    xdotool type --delay 20 "$1" || fail "could not type $1"
    xdotool key Return || fail "could not press Return"
    # The next picture's prompt may open at once under the same title: wait for this one to go.
    wait_for 10 window_gone "$id" || fail "the prompt for $1 did not close"
}
window_gone() { ! xdotool search --onlyvisible --name "^File name$" 2>/dev/null | grep -qx "$1"; }
set_pictures 1 800 600 0 10
wait_for 20 prompt_open || fail "no prompt for the first picture"
set_pictures 1 800 600 0 11
sleep 1
answer_prompt first
answer_prompt second
wait_for 20 test -f "$WORK/slot1/second.jpg" || fail "the two named pictures did not land: $(ls "$WORK/slot1")"
[ "$(key_of "$WORK/slot1/first.jpg")" = 10 ] || fail "first.jpg is not the picture shown when it was named: $(ls "$WORK/slot1")"
[ "$(key_of "$WORK/slot1/second.jpg")" = 11 ] || fail "second.jpg is not the picture set while the prompt was open"
echo "capture engine: passed"
