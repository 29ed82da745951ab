#!/usr/bin/env bash
# "Skip pictures nearly the same as one of the last 20 saved": with it on, a
# photo with one pixel changed and the photo saved again as a JPEG are not
# saved, and the log names the earlier file; a different photo is saved.
source "$(dirname "$0")/lib.sh" "$1"

skipped_lines() { read_log | grep -c "Nearly the same as a picture saved lately, not saved: " || true; }

convert -size 800x600 -seed 7 plasma:fractal -blur 0x2 "BMP3:$WORK/photo.bmp"
convert "$WORK/photo.bmp" -fill white -draw "point 400,300" "BMP3:$WORK/one-pixel.bmp"
convert "$WORK/photo.bmp" -quality 85 "$WORK/photo.jpg"
convert "$WORK/photo.bmp" -flop "BMP3:$WORK/mirrored.bmp"

install_english 10110000101 # 640 x 480, automatic capture, in the tray, log, near-duplicates skipped
set_slot 1
start_program program
wait_until_ready

set_formats "CF_DIB=$WORK/photo.bmp"
wait_for 20 has_jpegs "$WORK/slot1" 1 || fail "the photo was not saved"
first=$(basename "$(ls "$WORK"/slot1/*.jpg)")
set_formats "CF_DIB=$WORK/one-pixel.bmp"
wait_for 10 test "$(skipped_lines)" -ge 1 || fail "the photo with one pixel changed was not reported as nearly the same"
set_formats "JFIF=$WORK/photo.jpg"
wait_for 10 test "$(skipped_lines)" -ge 2 || fail "the photo saved as a JPEG was not reported as nearly the same"
read_log | grep "Nearly the same" | grep -q "$first" || fail "the log does not name the earlier file $first"
set_formats "CF_DIB=$WORK/mirrored.bmp"
wait_for 20 has_jpegs "$WORK/slot1" 2 || fail "a different photo was not saved"
sleep 1
[ "$(jpeg_count "$WORK/slot1")" -eq 2 ] || fail "$(jpeg_count "$WORK/slot1") files, not the photo and the different one"
echo "near-duplicates: passed"
