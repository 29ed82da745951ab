#!/usr/bin/env bash
# The notification slides up inside the work area: above a taskbar at the
# bottom of the screen, left of one at the right, as the window manager
# announces it (_NET_WORKAREA on the root window, which Wine reads).
source "$(dirname "$0")/lib.sh" "$1"

set_work_area() { xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "$1"; }
trap 'xprop -root -remove _NET_WORKAREA 2>/dev/null || true; cleanup' EXIT

# The notification stands with its bottom the 200-twip margin (13 pixels,
# one 13-pixel step of the slide at most) above the work area's bottom $1
# and its right edge at the work area's right edge $2.
showing_in() {
    local id
    id=$(notification_window)
    [ -n "$id" ] || return 1
    geometry "$id"
    ((Y + HEIGHT <= $1 - 13 && Y + HEIGHT >= $1 - 28 && X + WIDTH <= $2 && X + WIDTH >= $2 - 2))
}

check_taskbar() {
    local where=$1 area=$2 bottom=$3 right=$4
    stop_wine
    set_work_area "$area"
    install_english 211000001 # 800 x 600, notification, in the tray
    set_slot 1
    start_program program
    wait_until_ready
    copy_picture_until "$(make_picture 1024 768)" notification_showing_anywhere ||
        fail "taskbar $where: no notification"
    wait_for 10 showing_in "$bottom" "$right" ||
        fail "taskbar $where: the notification stands at $X,$Y ${WIDTH}x$HEIGHT, not inside the work area"
    echo "taskbar $where: the notification is inside the work area"
}
notification_showing_anywhere() {
    local id
    id=$(notification_window)
    [ -n "$id" ] || return 1
    geometry "$id"
    ((Y + HEIGHT < SCREEN_H))
}

check_taskbar bottom "0, 0, 1280, 976" 976 1280
check_taskbar right "0, 0, 1232, 1024" 1024 1232
echo "work area: passed"
