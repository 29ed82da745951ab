#!/usr/bin/env bash
# WebP output and input: with "Save pictures as WebP" a copied bitmap gives
# one lossy WebP at the quality of VLCRWEBP.INI, and with "without loss"
# ticked as well a lossless WebP of exactly its pixels; a copied "image/webp"
# is saved as the very file that was copied, and read as a picture when the
# output is JPEG; a picture too wide for WebP is saved as JPEG.
source "$(dirname "$0")/lib.sh" "$1"

start_with_quality() { # options digits, WebP quality
    install_english "$1"
    set_slot 1
    printf '%s\r\n' "$2" >"$INSTALL/VLCRWEBP.INI"
    start_program program
    wait_until_ready
}
# The kind of a WebP file: "VP8 " (lossy) or "VP8L" (lossless), at byte 12.
webp_kind() { dd if="$1" bs=1 skip=12 count=4 2>/dev/null; }

convert -size 1200x900 plasma:fractal -seed 11 "bmp3:$WORK/copied.bmp"
convert -size 700x500 plasma:fractal -seed 12 "$WORK/seed.png"
cwebp -quiet -q 70 "$WORK/seed.png" -o "$WORK/copied.webp"

# --- Lossy WebP at quality 40: Check11 (the twelfth digit) on ---------------------------------
start_with_quality 111100001001 40
set_formats "CF_DIB=$(windows_path "$WORK/copied.bmp")"
wait_for 20 slot1_has webp 1 || fail "no WebP for a copied bitmap"
sleep 1
[ "$(slot1_count webp)" -eq 1 ] && [ "$(slot1_count jpg)" -eq 0 ] || fail "$(slot1_count webp) WebP and $(slot1_count jpg) JPEG files for one picture"
lossy=$(slot1_newest webp)
[ "$(webp_kind "$lossy")" = "VP8 " ] || fail "the WebP is not lossy: $(webp_kind "$lossy")"
[ "$(identify -format %wx%h "$lossy")" = "1200x900" ] || fail "the WebP is not 1200 x 900"
# Quality 40 as cwebp makes it, within a few per cent of its size.
convert "$WORK/copied.bmp" "$WORK/copied.png"
cwebp -quiet -q 40 "$WORK/copied.png" -o "$WORK/reference.webp"
ratio=$(( $(stat -c %s "$lossy") * 100 / $(stat -c %s "$WORK/reference.webp") ))
(( ratio >= 95 && ratio <= 105 )) || fail "the quality-40 WebP is $ratio % of cwebp's at quality 40"

# A copied WebP file is kept as it was copied.
set_formats "image/webp=$(windows_path "$WORK/copied.webp")"
wait_for 20 slot1_has webp 2 || fail "no WebP for a copied WebP"
cmp -s "$WORK/copied.webp" "$(slot1_newest webp)" || fail "the copied WebP was not kept byte for byte"

# A picture wider than any WebP file can be is saved as JPEG.
# (ImageMagick makes nothing past 16384 pixels a side: a grey 24-bit bitmap by hand.)
{
    perl -e 'print pack("A2 V v v V V l l v v V V l l V V", "BM", 54 + 49200 * 480, 0, 0, 54, 40,
                        16400, 480, 1, 24, 0, 49200 * 480, 2835, 2835, 0, 0)'
    head -c $((49200 * 480)) /dev/zero | tr '\0' '\200'
} >"$WORK/wide.bmp"
set_formats "CF_DIB=$(windows_path "$WORK/wide.bmp")"
wait_for 30 slot1_has jpg 1 || fail "no JPEG for a picture too wide for WebP"
[ "$(identify -ping -format %wx%h "$(slot1_newest jpg)")" = "16400x480" ] || fail "the wide JPEG is not 16400 x 480"
stop_wine

# --- Lossless WebP: Check9 and Check11 ---------------------------------------------------------
rm -f "$WORK"/slot1/*
start_with_quality 111100001101 40
set_formats "CF_DIB=$(windows_path "$WORK/copied.bmp")"
wait_for 20 slot1_has webp 1 || fail "no lossless WebP for a copied bitmap"
sleep 1
[ "$(webp_kind "$(slot1_newest webp)")" = "VP8L" ] || fail "the WebP is not lossless"
differing=$(compare -metric AE "$WORK/copied.bmp" "$(slot1_newest webp)" null: 2>&1) || true
[ "$differing" = "0" ] || fail "the lossless WebP differs from the copied picture in $differing pixels"
stop_wine

# --- JPEG output: a copied WebP is read as a picture --------------------------------------------
rm -f "$WORK"/slot1/*
start_with_quality 111100001000 90
set_formats "image/webp=$(windows_path "$WORK/copied.webp")"
wait_for 20 slot1_has jpg 1 || fail "no JPEG for a copied WebP"
sleep 1
[ "$(identify -format %wx%h "$(slot1_newest jpg)")" = "700x500" ] || fail "the JPEG of the WebP is not 700 x 500"
error=$(compare -metric RMSE "$WORK/copied.webp" "$(slot1_newest jpg)" null: 2>&1 | sed 's/.*(\(.*\))/\1/') || true
awk -v e="$error" 'BEGIN { exit !(e < 0.02) }' || fail "the JPEG of the WebP looks other than it (RMSE $error)"
stop_wine
