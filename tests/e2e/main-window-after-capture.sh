#!/usr/bin/env bash
# The main window looks the same after a capture: the About icon at the
# lower left, the picture buttons and the panel stay drawn, in automatic
# and in notification mode.
source "$(dirname "$0")/lib.sh" "$1"

main_window() { window_id "^Vellicor Rizezuza 2"; }

# The main window's client area as a picture file.
shoot_client() {
    local main
    main=$(main_window)
    geometry "$main"
    local border=$(((WIDTH - 8400 / 15) / 2))
    local top=$((HEIGHT - 5760 / 15 - border))
    import -window "$main" "$WORK/window.png"
    convert "$WORK/window.png" -crop "560x384+$border+$top" +repage "$1"
}
# The About icon (180, 4860 twips, 32 x 32 pixels) and everything above
# the status line (the first 312 pixel rows), cut out of a client picture.
about_icon() { convert "$1" -crop 32x32+12+324 +repage "$2"; }
above_status() { convert "$1" -crop 560x312+0+0 +repage "$2"; }
blue_pixels() { convert "$1" -fx '(b - r > 0.3) ? 1 : 0' -format '%[fx:round(mean * w * h)]' info:; }
differing_pixels() { compare -metric AE "$1" "$2" null: 2>&1 || true; }

check_mode() {
    local mode=$1 options=$2 caught=$3
    install_english "$options"
    set_slot 1
    start_program program
    wait_until_ready
    wait_for 20 has_window "^Vellicor Rizezuza 2" || fail "$mode: the main window did not open"
    sleep 1
    shoot_client "$WORK/before.png"
    about_icon "$WORK/before.png" "$WORK/icon-before.png"
    local blue
    blue=$(blue_pixels "$WORK/icon-before.png")
    ((blue > 300)) || fail "$mode: no About icon before the capture ($blue blue pixels)"

    copy_picture_until "$(make_picture 1024 768)" $caught || fail "$mode: the picture was not caught"
    sleep 1
    shoot_client "$WORK/after.png"
    about_icon "$WORK/after.png" "$WORK/icon-after.png"
    local icon_diff
    icon_diff=$(differing_pixels "$WORK/icon-before.png" "$WORK/icon-after.png")
    [ "$icon_diff" = 0 ] || fail "$mode: the About icon changed after the capture ($icon_diff pixels)"
    above_status "$WORK/before.png" "$WORK/top-before.png"
    above_status "$WORK/after.png" "$WORK/top-after.png"
    local top_diff
    top_diff=$(differing_pixels "$WORK/top-before.png" "$WORK/top-after.png")
    [ "$top_diff" = 0 ] || fail "$mode: the buttons or the panel changed after the capture ($top_diff pixels)"
    echo "$mode: the main window looks the same"
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    stop_wine
}

check_mode "automatic capture" 200100001 "has_jpegs $WORK/slot1 1"
check_mode "notification" 200000001 notification_showing
echo "main window after a capture: passed"
