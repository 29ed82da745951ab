#!/usr/bin/env bash
# Automatic capture: a copied picture that reaches the minimum resolution
# lands as a JPEG in slot #1; a smaller one and copied text land nothing.
source "$(dirname "$0")/lib.sh" "$1"

start_with_slot1 211100001 # 800 x 600, automatic capture, in the tray

copy_picture_until "$(make_picture 1024 768)" has_jpegs "$WORK/slot1" 1 || fail "the picture did not land in slot #1"
saved=$(find "$WORK/slot1" -name '*.jpg' | head -n 1)
[ "$(identify -format '%m %w %h' "$saved")" = "JPEG 1024 768" ] || fail "not a 1024 x 768 JPEG: $saved"
[[ $(basename "$saved") =~ ^2[0-9]{7,13}(_[0-9]+)?\.jpg$ ]] || fail "not a date-time name: $saved"
count=$(jpeg_count "$WORK/slot1")

copy_picture "$(make_picture 640 480)"
sleep 4
copy_text "only text"
sleep 4
[ "$(jpeg_count "$WORK/slot1")" -eq "$count" ] || fail "a small picture or text was saved"
echo "automatic capture: passed"
