#!/usr/bin/env bash
# File names from a template: tokens filled in from the picture and the
# program that copied it, the counter going on from the value kept, and a
# name Windows refuses replaced by the date and time, said in the log.
source "$(dirname "$0")/lib.sh" "$1"

convert -size 800x600 gradient:orange-navy "BMP3:$WORK/first.bmp"
convert -size 640x480 gradient:navy-orange "BMP3:$WORK/second.bmp"
cp "$BUILD/tests/e2e/SetFormats.exe" "$WORK/Painter.exe"
copy_by_painter() { "$RUNNER" "$WORK/Painter.exe" --owned "CF_DIB=$1" || fail "Painter.exe could not set $1"; }

install_english 10110000100 # 640 x 480, automatic capture, in the tray, log
printf '{program}-{width}x{height}-{counter}\r\n7\r\n' >"$INSTALL/VLCRNAME.INI"
set_slot 1
start_program program
wait_until_ready
copy_by_painter "$WORK/first.bmp"
wait_for 20 has_jpegs "$WORK/slot1" 1 || fail "the first picture was not saved"
copy_by_painter "$WORK/second.bmp"
wait_for 20 has_jpegs "$WORK/slot1" 2 || fail "the second picture was not saved"
names=$(cd "$WORK/slot1" && ls | tr '\n' ' ')
[ "$names" = "Painter-640x480-0008.jpg Painter-800x600-0007.jpg " ] || fail "the template made: $names"
kill "$program" 2>/dev/null; wait "$program" 2>/dev/null || true
stop_wine

printf 'CON\r\n' >"$INSTALL/VLCRNAME.INI" # a device's name
rm -f "$WORK"/slot1/*.jpg
start_program program
wait_until_ready
copy_by_painter "$WORK/first.bmp"
wait_for 20 has_jpegs "$WORK/slot1" 1 || fail "a picture whose template name is refused was not saved"
ls "$WORK/slot1" | grep -qx '[0-9]*\.jpg' || fail "not saved under the date and time: $(ls "$WORK/slot1")"
read_log | grep -q "The name from the template cannot be used.*: CON" || fail "the log does not say why CON was not used"
echo "name-template: passed"
