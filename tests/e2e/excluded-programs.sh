#!/usr/bin/env bash
# The programs listed under "Never catch copies of:" are left alone: a
# picture one of them copies is neither caught nor logged, while the same
# Windows program under another name is caught as before.
source "$(dirname "$0")/lib.sh" "$1"

convert -size 800x600 gradient:orange-navy "BMP3:$WORK/picture.bmp"
install_english 10110000100 # 640 x 480, automatic capture, in the tray, log
printf 'keepsafe.EXE ; Vault\r\n' >"$INSTALL/VLCREXCL.INI" # any case, with or without .exe
set_slot 1
cp "$BUILD/tests/e2e/SetFormats.exe" "$WORK/Vault.exe"
cp "$BUILD/tests/e2e/SetFormats.exe" "$WORK/Painter.exe"
start_program program
wait_until_ready

"$RUNNER" "$WORK/Vault.exe" --owned "CF_DIB=$WORK/picture.bmp" || fail "Vault.exe could not set the picture"
sleep 2
[ "$(jpeg_count "$WORK/slot1")" -eq 0 ] || fail "a picture copied by Vault.exe was caught"
read_log | grep -q "Picture caught" && fail "a picture copied by Vault.exe was logged"

"$RUNNER" "$WORK/Painter.exe" --owned "CF_DIB=$WORK/picture.bmp" || fail "Painter.exe could not set the picture"
wait_for 20 has_jpegs "$WORK/slot1" 1 || fail "a picture copied by Painter.exe was not caught"
echo "excluded-programs: passed"
