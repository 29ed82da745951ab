#!/usr/bin/env bash
# Started in another folder (a shortcut's "Start in", the log-on start): the
# program still reads its language driver beside the .exe, so its captions
# show, and the options it saves land beside the .exe.
source "$(dirname "$0")/lib.sh" "$1"

install_english 200000001 # 800 x 600, opens in a window
elsewhere="$WORK/elsewhere"
mkdir -p "$elsewhere"
start_program program "$elsewhere"
wait_for 30 has_window "^Vellicor Rizezuza 2.2$" || fail "the main window did not open"
sleep 1
main=$(window_id "^Vellicor Rizezuza 2.2$")

# The captions of the option check boxes: text, not an empty panel. The crop
# is the caption column of the options panel in client pixels.
geometry "$main"
border=$(((WIDTH - 8400 / 15) / 2))
top=$((HEIGHT - 5760 / 15 - border))
import -window "$main" "$WORK/main.png"
dark=$(convert "$WORK/main.png" -crop "300x180+$((border + 240))+$((top + 62))" +repage -colorspace Gray \
    -threshold 40% -negate -format '%[fx:round(mean*w*h)]' info:)
echo "dark pixels in the option captions: $dark"
((dark > 200)) || fail "the option captions are blank ($dark dark pixels)"

# The options panel's save button, clicked as a user does.
rm "$INSTALL/VLCREXT.INI"
click_client "$main" 8400 5760 3630 4230
wait_for 10 test -s "$INSTALL/VLCREXT.INI" || fail "the options were not saved beside the program"
[ -z "$(ls -A "$elsewhere")" ] || fail "files were written into the start folder: $(ls -A "$elsewhere")"
echo "started elsewhere: passed"
