#!/usr/bin/env bash
# The program follows the system's app theme: started with dark apps, the
# main window's face, its text boxes and the notification are dark and their
# text light; when the setting turns to light apps (the "ImmersiveColorSet"
# change every window is told of), they are light again at once, checked on
# screenshots of the real program.
# A Wine prefix of its own: the theme is a setting of the user's.
build=$(cd "$1" && pwd)
export WINEPREFIX
WINEPREFIX=$(mktemp -d /tmp/vellicor-theme-prefix.XXXXXX)
cp -a "$build/wineprefix/." "$WINEPREFIX/"
source "$(dirname "$0")/lib.sh" "$1"
trap 'cleanup; rm -rf "$WINEPREFIX"' EXIT

set_theme() { "$RUNNER" "$BUILD/tests/e2e/SetAppTheme.exe" "$1" || fail "SetAppTheme $1"; }
shot() { import -window root "$WORK/$1.png"; }
# Client twips of the main window (8400 x 5760) as screen pixels: sets PX PY.
main_point() {
    geometry "$main"
    local border=$(((WIDTH - 8400 / 15) / 2))
    PX=$((X + border + $1 / 15))
    PY=$((Y + HEIGHT - 5760 / 15 - border + $2 / 15))
}
# The grey level (0..255) of a screen pixel of a screenshot.
grey_at() { convert "$WORK/$1.png" -crop "1x1+$2+$3" -colorspace gray -format "%[fx:int(255*p{0,0})]" info:; }
# The lightest and the darkest grey (0..255) of a rectangle of a screenshot: sets LIGHTEST DARKEST.
extremes() {
    read -r LIGHTEST DARKEST <<<"$(convert "$WORK/$1.png" -crop "$2" -colorspace gray \
        -format "%[fx:int(255*maxima)] %[fx:int(255*minima)]" info:)"
}
# The mean grey (0..255) of a window's whole area.
window_mean() {
    geometry "$2"
    convert "$WORK/$1.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" -colorspace gray -format "%[fx:int(255*mean)]" info:
}
check_main() { # shot, dark|light
    local face field button
    main_point 7800 5500
    face=$(grey_at "$1" "$PX" "$PY")
    main_point 2030 3480
    field=$(grey_at "$1" "$PX" "$PY")
    main_point 1020 4080 # inside the Reset button, beside its caption
    button=$(grey_at "$1" "$PX" "$PY")
    main_point 960 600
    extremes "$1" "160x17+$PX+$PY" # "Minimum resolution to catch:"
    if [ "$2" = dark ]; then
        ((face < 48 && field < 64 && button < 64 && LIGHTEST > 200)) ||
            fail "$1: the main window is not dark (face $face, text box $field, button $button, lightest text $LIGHTEST)"
    else
        ((face > 200 && field > 200 && button > 200 && DARKEST < 60)) ||
            fail "$1: the main window is not light (face $face, text box $field, button $button, darkest text $DARKEST)"
    fi
}

set_theme dark
install_english 210000001 # 800 x 600, notification mode, the main window open
set_slot 1
start_program program
wait_for 20 has_window "^Vellicor Rizezuza 2.2$" || fail "the main window did not open"
wait_until_ready
main=$(window_id "^Vellicor Rizezuza 2.2$")
xdotool mousemove $((SCREEN_W - 5)) $((SCREEN_H / 2)) # no hover light, no tool tip
copy_picture_until "$(make_picture 1600 1000)" notification_showing || fail "the notification did not rise"
sleep 1
shot dark
check_main dark dark
notification=$(notification_window)
mean=$(window_mean dark "$notification")
((mean < 90)) || fail "the notification is not dark (mean grey $mean)"

set_theme light
sleep 1
shot light
check_main light light
mean=$(window_mean light "$notification")
((mean > 150)) || fail "the notification is not light again (mean grey $mean)"
cp "$WORK/dark.png" "$BUILD/e2e-dark-mode-dark.png"
cp "$WORK/light.png" "$BUILD/e2e-dark-mode-light.png"
