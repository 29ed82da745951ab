#!/usr/bin/env bash
# The per-user setup: installs silently without administrator rights into
# the user's Programs folder with a Start-menu entry and an entry among the
# installed programs; the installed program catches a picture; an upgrade
# keeps the settings and does not bring the first-run chooser back;
# uninstalling removes the program, its entry and shortcut, never a picture.
source "$(dirname "$0")/lib.sh" "$1"

install_fresh # the installation folder the setup is made from
setup="$WORK/VellicorRizezuza-setup.exe"
"$(dirname "$0")/../../tools/make-installer" "$INSTALL" "$BUILD/art/vellicor.ico" 2.2.2006 "$setup" ||
    fail "the setup could not be made"

windows_env() { "$RUNNER" cmd /c "echo %$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { "$RUNNER" winepath -u "$1" 2>/dev/null | tr -d '\r'; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\VellicorRizezuza'
registry_value() { "$RUNNER" reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' | awk -v name="$1" '$1 == name {$1 = ""; $2 = ""; sub(/^ +/, ""); print}'; }

target=$(unix_path "$(windows_env LOCALAPPDATA)\\Programs\\Vellicor Rizezuza")
shortcut=$(unix_path "$(windows_env APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Vellicor Rizezuza.lnk")
rm -rf "$target"

# --- Install --------------------------------------------------------------------------------------
"$RUNNER" "$setup" /S || fail "the setup failed"
wait_for 30 test -f "$target/uninstall.exe" || fail "nothing was installed into $target"
[ -f "$target/vellicor.exe" ] && [ -f "$target/lang/English/vlcrEnglish.drv" ] || fail "the program's files are missing"
[ -f "$target/VLSTART.1ST" ] || fail "a fresh installation starts with the language chooser"
[ -f "$shortcut" ] || fail "no Start-menu entry"
[ "$(registry_value DisplayName)" = "Vellicor Rizezuza 2.2.2006" ] || fail "no entry among the installed programs: $(registry_value DisplayName)"
[ "$(registry_value DisplayVersion)" = "2.2.2006" ] || fail "the entry has no version"
[ -n "$(registry_value Publisher)" ] && [ -n "$(registry_value DisplayIcon)" ] || fail "the entry has no publisher or icon"
[[ "$(registry_value UninstallString)" == *uninstall.exe* ]] || fail "the entry has no uninstall command"

# --- The installed program catches a picture (past its first run, as after the chooser) -------
INSTALL=$target
rm "$target/VLSTART.1ST"
cp "$target/lang/English/vlcrEnglish.drv" "$target/VLCRLANG.DRV"
printf '%s\r\n' 211100001 >"$target/VLCREXT.INI"
set_slot 1
start_program program
wait_until_ready
copy_picture_until "$(make_picture 1024 768)" has_jpegs "$WORK/slot1" 1 || fail "the installed program caught nothing"
kill "$program" 2>/dev/null || true
stop_wine
settings=$(cat "$target/VLCREXT.INI" "$target/TARGET1.INI" "$target/VLCRLANG.DRV" | md5sum)

# --- Upgrade ----------------------------------------------------------------------------------------
"$RUNNER" "$setup" /S || fail "the upgrade failed"
wait_for 30 test -f "$target/vellicor.exe" || fail "the upgrade left no program"
[ "$(cat "$target/VLCREXT.INI" "$target/TARGET1.INI" "$target/VLCRLANG.DRV" | md5sum)" = "$settings" ] ||
    fail "the upgrade changed the settings"
[ ! -f "$target/VLSTART.1ST" ] || fail "the upgrade brings the first-run chooser back"

# --- Uninstall --------------------------------------------------------------------------------------
cp "$WORK"/slot1/*.jpg "$target/kept-by-the-user.jpg"
# The settings files that only some saves write, as a user who saved every panel has them.
later_settings=(VLCREXCL.INI VLCRNAME.INI VLCRWEBP.INI)
for file in "${later_settings[@]}"; do [ -e "$target/$file" ] || printf '1\r\n' >"$target/$file"; done
"$RUNNER" "$target/uninstall.exe" /S "_?=$("$RUNNER" winepath -w "$target" 2>/dev/null | tr -d '\r')" ||
    fail "the uninstall failed"
program_files_gone() {
    local file
    for file in vellicor.exe lang VLCREXT.INI TARGET1.INI VLCRLANG.DRV "${later_settings[@]}"; do
        [ ! -e "$target/$file" ] || return 1
    done
}
wait_for 30 program_files_gone || fail "the program's files stayed: $(ls "$target")"
rm -f "$target/uninstall.exe" # run in place, it cannot remove itself
[ -f "$target/kept-by-the-user.jpg" ] || fail "a picture in the program's folder was removed"
[ "$(jpeg_count "$WORK/slot1")" -ge 1 ] || fail "a saved picture was removed"
[ ! -f "$shortcut" ] || fail "the Start-menu entry stayed"
[ -z "$(registry_value DisplayName)" ] || fail "the entry among the installed programs stayed"
echo "installer: passed"
