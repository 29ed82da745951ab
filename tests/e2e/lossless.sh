#!/usr/bin/env bash
# Pictures kept exactly as they were copied: with "Save pictures without
# loss" on, a copied bitmap gives one PNG of exactly its pixels and no JPEG,
# and a transparent PNG copy is kept as it was, alpha and all; in JPEG mode
# a copied JPEG is saved as the very file that was copied.
source "$(dirname "$0")/lib.sh" "$1"


convert -size 1600x1200 plasma:fractal -seed 7 "bmp3:$WORK/copied.bmp"
convert -size 640x480 xc:none -fill "rgba(255,0,0,0.5)" -draw "circle 320,240 320,60" "png32:$WORK/logo.png"
convert -size 900x700 gradient:teal-yellow -quality 90 "$WORK/photo.jpg"

# --- Lossless: Check9 (the tenth digit) on, automatic capture into slot 1 -------------------
start_with_slot1 1111000011

set_formats "CF_DIB=$(windows_path "$WORK/copied.bmp")"
wait_for 20 slot1_has png 1 || fail "no PNG for a copied bitmap"
sleep 1
[ "$(slot1_count png)" -eq 1 ] && [ "$(slot1_count jpg)" -eq 0 ] || fail "$(slot1_count png) PNG and $(slot1_count jpg) JPEG files for one picture"
differing=$(compare -metric AE "$WORK/copied.bmp" "$(slot1_newest png)" null: 2>&1) || true
[ "$differing" = "0" ] || fail "the PNG differs from the copied picture in $differing pixels"

set_formats "PNG=$(windows_path "$WORK/logo.png")"
wait_for 20 slot1_has png 2 || fail "no PNG for a copied transparent PNG"
cmp -s "$WORK/logo.png" "$(slot1_newest png)" || fail "the transparent PNG was not kept as it was copied"
opaque=$(identify -format "%[opaque]" "$(slot1_newest png)")
[ "${opaque,,}" = "false" ] || fail "the kept PNG lost its transparency ($opaque)"
stop_wine

# --- JPEG mode: a copied JPEG is the saved file ------------------------------------------------
start_with_slot1 1111000010
set_formats "JFIF=$(windows_path "$WORK/photo.jpg")"
wait_for 20 slot1_has jpg 1 || fail "no JPEG for a copied JPEG"
sleep 1
cmp -s "$WORK/photo.jpg" "$(slot1_newest jpg)" || fail "the saved JPEG is not the copied file"
stop_wine
