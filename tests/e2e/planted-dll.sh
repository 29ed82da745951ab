#!/usr/bin/env bash
# A version.dll planted beside the program (a ZIP unpacked into Downloads
# may carry one) is never called by the program, even with Wine told to
# prefer a DLL found there: the About window reads the program's version
# information through the system's own.
source "$(dirname "$0")/lib.sh" "$1"

install_english 200000001 # 800 x 600, notification, window shown
cp "$BUILD/tests/e2e/version.dll" "$INSTALL/"
export WINEDLLOVERRIDES="version=n,b"

# The plant works: a program beside it that imports version.dll calls it.
cp "$BUILD/tests/e2e/VersionUser.exe" "$INSTALL/"
"$RUNNER" "$INSTALL/VersionUser.exe" >/dev/null 2>&1 || true
[ -f "$INSTALL/planted-dll-called" ] || fail "the planted version.dll was not called even by a program that imports it"
rm "$INSTALL/planted-dll-called" "$INSTALL/VersionUser.exe"

start_program program
wait_until_ready
wait_for 20 has_window "^Vellicor Rizezuza 2" || fail "the main window did not open"
click_client "$(window_id "^Vellicor Rizezuza 2")" 8400 5760 420 5100 # the About icon
wait_for 10 has_window "^:: www.vellicor.example ::$" || fail "the About window did not open"
sleep 1
[ -f "$INSTALL/planted-dll-called" ] && fail "the program called the planted version.dll"
echo "planted-dll: passed"
