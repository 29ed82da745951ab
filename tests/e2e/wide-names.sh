#!/usr/bin/env bash
# Folders and typed names outside the system's ANSI code page (Cyrillic and
# CJK on a Western system) work: the target folder's text box shows the
# name read from a target file in UTF-8 with a byte-order mark, and a
# picture is saved there under the name the user types.
source "$(dirname "$0")/lib.sh" "$1"

set_pictures() { "$RUNNER" "$BUILD/tests/e2e/SetPictures.exe" "$@" || fail "SetPictures $*"; }
edit_texts() { "$RUNNER" "$BUILD/tests/e2e/EditTexts.exe" | tr -d '\r'; }
bom=$'\xEF\xBB\xBF'

# One run: a folder named $1, a picture named $2 by the user.
save_named_picture() {
    local folder="$WORK/$1" name=$2
    mkdir -p "$folder"
    install_english 111100011
    printf '%s%s\r\n' "$bom" "$(windows_path "$folder")" >"$INSTALL/TARGET1.INI"
    local expected
    expected=$(windows_path "$folder")
    start_program program
    wait_until_ready
    edit_texts | grep -qxF "$expected" || fail "the folder box does not show $expected: $(edit_texts)"

    set_pictures 1 800 600 0 3
    wait_for 20 has_window "^File name$" || fail "no prompt for a name"
    xdotool windowactivate --sync "$(window_id "^File name$")" 2>/dev/null || true
    # X cannot type these letters into Wine: the characters come as a keyboard's.
    "$RUNNER" "$BUILD/tests/e2e/EditTexts.exe" "File name" "$name" || fail "cannot type into the prompt"
    sleep 0.5
    xdotool key Return
    wait_for 20 test -f "$folder/$name.jpg" || fail "$name.jpg not saved in $folder: $(ls "$folder")"
    [ "$(identify -format '%w %h' "$folder/$name.jpg")" = "800 600" ] || fail "$name.jpg is not the picture"
    stop_wine
}

save_named_picture "Фото" "Отпуск"
save_named_picture "写真" "休暇"
echo "wide names: passed"
