#!/usr/bin/env bash
# Notification mode: a copied picture raises the notification window at the
# bottom right; "#2" saves into slot #2; without a click it goes away after
# about seven seconds. A right click on the tray icon shows the tray menu,
# whose "Target folders" opens the main window.
source "$(dirname "$0")/lib.sh" "$1"

install_english 211000001 # 800 x 600, notification, in the tray
set_slot 1
set_slot 2
start_program program
wait_until_ready

copy_picture_until "$(make_picture 1024 768)" notification_showing || fail "the notification did not slide up at the bottom right"
sleep 0.5
click_client "$(notification_window)" 3165 2625 967 2407 # "#2"
wait_for 10 has_jpegs "$WORK/slot2" 1 || fail "#2 did not save into slot #2"
[ "$(jpeg_count "$WORK/slot1")" -eq 0 ] || fail "slot #1 got a picture too"
wait_for 5 notification_parked || fail "the notification stayed after the save"

copy_picture "$(make_picture 900 700)"
wait_for 10 notification_showing || fail "the second notification did not slide up"
started=$SECONDS
wait_for 15 notification_parked || fail "the notification did not go away by itself"
elapsed=$((SECONDS - started))
((elapsed >= 4 && elapsed <= 10)) || fail "it went away after $elapsed s, not about seven"
[ "$(jpeg_count "$WORK/slot2")" -eq 1 ] || fail "a picture was saved without a click"

# Wine shows the tray in a window of its own; the icon is the first in it.
tray=$(xdotool search --name "^Wine System Tray$" | head -n 1)
[ -n "$tray" ] || fail "no tray window"
geometry "$tray"
icon_x=$((X + 13)) icon_y=$((Y + 32))
menu_shown() { # the menu's face under the icon, where the screen is black without it
    [ "$(import -window root -crop "1x1+$((icon_x + 40))+$((icon_y + 40))" -format '%[fx:round(255*mean)]' info:)" -gt 100 ]
}
menu_shown && fail "the screen under the tray icon is not black before the menu"
xdotool mousemove "$icon_x" "$icon_y" click 3
wait_for 5 menu_shown || fail "a right click on the tray icon showed no menu"
xdotool mousemove $((icon_x + 40)) $((icon_y + 10)) click 1 # "Target folders", the menu's first item
wait_for 5 has_window "^Vellicor Rizezuza 2.2$" || fail "the tray menu's first item did not open the main window"
echo "notification: passed"
