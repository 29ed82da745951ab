#!/usr/bin/env bash
# At 96, 144 and 192 DPI (Windows' LogPixels) the main window is laid out
# 1, 1.5 and 2 times as large, the longest check box caption grows with it
# and is not cut at its box's edge, and the notification still stands inside
# the screen's work area.
source "$(dirname "$0")/lib.sh" "$1"

set_dpi() {
    stop_wine
    "$RUNNER" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1 ||
        fail "LogPixels could not be set to $1"
    stop_wine
}
trap 'set_dpi 96 || true; cleanup' EXIT

# The main window's client area in twips, and where the longest caption's
# box (Check4 on the options panel) lies in it.
CLIENT_W=8400 CLIENT_H=5760
BOX_LEFT=3120 BOX_TOP=1890 BOX_W=5100 BOX_H=300
px() { echo $(($1 * DPI / 1440)); }

measure() {
    set_dpi "$DPI"
    install_english 210000001 # notification mode, main window open
    set_slot 1
    start_program program
    wait_for 30 has_window "^Vellicor Rizezuza 2.2$" || fail "$DPI DPI: no main window"
    wait_until_ready
    local main
    main=$(window_id "^Vellicor Rizezuza 2.2$")
    xdotool mousemove $((SCREEN_W - 5)) $((SCREEN_H / 2)) # no tool tip in the picture
    sleep 1
    geometry "$main"
    local border=$(((WIDTH - $(px $CLIENT_W)) / 2))
    local top=$((HEIGHT - $(px $CLIENT_H) - border))
    MAIN_W=$WIDTH
    import -window root "$WORK/shot-$DPI.png"
    # The caption's ink: dark pixels in the box's row, from the box's left to a little beyond its right edge.
    local ink
    ink=$(convert "$WORK/shot-$DPI.png" -crop "$(($(px $BOX_W) + 10))x$(px $BOX_H)+$((X + border + $(px $BOX_LEFT)))+$((Y + top + $(px $BOX_TOP)))" \
        +repage -colorspace gray -threshold 50% -negate -format '%@' info:)
    local ink_w=${ink%%x*} rest=${ink#*+}
    INK_RIGHT=$((ink_w + ${rest%%+*}))
    ((INK_RIGHT < $(px $BOX_W) - 2)) ||
        fail "$DPI DPI: the caption reaches its box's edge (ink to $INK_RIGHT of $(px $BOX_W) pixels): it is cut"

    copy_picture_until "$(make_picture 1024 768)" notification_showing ||
        fail "$DPI DPI: the notification does not stand inside the work area"
    sleep 1
    import -window root "$WORK/notification-$DPI.png"
    stop_wine
}

declare -A main_w ink_right
for DPI in 96 144 192; do
    measure
    main_w[$DPI]=$MAIN_W
    ink_right[$DPI]=$INK_RIGHT
    echo "$DPI DPI: main window ${MAIN_W} pixels wide, caption ink ends at $INK_RIGHT"
done

# Within 4 % of the DPI's ratio (the title bar's frame is the window manager's).
near() { # value, base, ratio in percent
    local expected=$(($2 * $3 / 100))
    (($1 * 100 >= expected * 96 && $1 * 100 <= expected * 104))
}
near "${main_w[144]}" "${main_w[96]}" 150 || fail "at 144 DPI the window is ${main_w[144]} pixels wide, not 1.5 x ${main_w[96]}"
near "${main_w[192]}" "${main_w[96]}" 200 || fail "at 192 DPI the window is ${main_w[192]} pixels wide, not 2 x ${main_w[96]}"
# Text grows with the DPI too (fonts are not exact multiples: within 15 %).
((ink_right[192] * 100 >= ink_right[96] * 170 && ink_right[192] * 100 <= ink_right[96] * 230)) ||
    fail "at 192 DPI the caption is ${ink_right[192]} pixels long, at 96 DPI ${ink_right[96]}"
echo "dpi: passed"
