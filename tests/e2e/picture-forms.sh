#!/usr/bin/env bash
# Pictures offered as PNG or JPEG are caught: only "PNG", a transparent "PNG"
# beside a bitmap that is black where it is transparent, only "JFIF", an X
# program's image/png copy, and a damaged "PNG" before a good bitmap. Each
# gives exactly one JPEG of the picture's size.
source "$(dirname "$0")/lib.sh" "$1"

# The Windows path of a file made here.
size_of() { identify -format '%w %h' "$1"; }
newest_jpeg() { ls -t "$WORK"/slot1/*.jpg | head -n 1; }
# Landed: the next JPEG, of the size given.
expect_jpeg() { # count width height what
    wait_for 15 has_jpegs "$WORK/slot1" "$1" || fail "$4: no picture saved"
    sleep 1
    [ "$(jpeg_count "$WORK/slot1")" -eq "$1" ] || fail "$4: $(jpeg_count "$WORK/slot1") files, not $1"
    [ "$(size_of "$(newest_jpeg)")" = "$2 $3" ] || fail "$4: saved as $(size_of "$(newest_jpeg)"), not $2 x $3"
}

convert -size 700x500 gradient:orange-navy "png24:$WORK/only.png"
convert -size 640x480 xc:none -fill red -draw "rectangle 320,0 639,479" "png32:$WORK/transparent.png"
convert -size 640x480 xc:black -fill red -draw "rectangle 320,0 639,479" "bmp3:$WORK/black.bmp"
convert -size 900x600 gradient:teal-yellow -quality 92 "$WORK/only.jpg"
convert -size 820x610 gradient:purple-white "png24:$WORK/x-copy.png"
head -c 2000 "$WORK/only.png" >"$WORK/damaged.png"
convert -size 660x490 gradient:green-blue "bmp3:$WORK/good.bmp"

# --- Automatic capture, 640 x 480 on, in the tray ---------------------------------------------
start_with_slot1 111100001

set_formats "PNG=$(windows_path "$WORK/only.png")"
expect_jpeg 1 700 500 "only PNG"

set_formats "PNG=$(windows_path "$WORK/transparent.png")" "CF_DIB=$(windows_path "$WORK/black.bmp")"
expect_jpeg 2 640 480 "transparent PNG beside a black bitmap"
corner=$(convert "$(newest_jpeg)" -crop 20x20+10+10 -format '%[fx:round(255*mean)]' info:)
((corner >= 250)) || fail "the transparent area is $corner, not white: the bitmap was read instead of the PNG"

set_formats "JFIF=$(windows_path "$WORK/only.jpg")"
expect_jpeg 3 900 600 "only JFIF"

# An X program's copy reaches Windows programs as "PNG" alone.
for attempt in 1 2 3; do
    xclip -selection clipboard -t image/png -i "$WORK/x-copy.png" </dev/null >/dev/null 2>&1
    wait_for 6 has_jpegs "$WORK/slot1" 4 && break
done
expect_jpeg 4 820 610 "an X copy of image/png"

set_formats "PNG=$(windows_path "$WORK/damaged.png")"
sleep 2
[ "$(jpeg_count "$WORK/slot1")" -eq 4 ] || fail "a damaged PNG was saved"
set_formats "CF_DIB=$(windows_path "$WORK/good.bmp")"
expect_jpeg 5 660 490 "a good bitmap after a damaged PNG"
stop_wine
