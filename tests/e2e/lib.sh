# Shared steps of the end-to-end tests: a fresh installation in a temporary
# folder, the real program under Wine on the test run's display, pictures
# and text put on the X clipboard, clicks and keys as a user makes them.
# Usage: source lib.sh BUILD_DIR
# The demonstration sets VELLICOR_WORK (a folder to keep) and its own DISPLAY
# and WINEPREFIX with VELLICOR_KEEP_DISPLAY=1.
set -euo pipefail

BUILD=$(cd "$1" && pwd)
RUNNER="$BUILD/wine-run"
if [ -z "${VELLICOR_KEEP_DISPLAY:-}" ]; then
    DISPLAY=$(cut -d' ' -f1 "$BUILD/xvfb.state")
fi
export DISPLAY
SCREEN_W=1280
SCREEN_H=1024
KEEP_WORK=${VELLICOR_WORK:+yes}
WORK=${VELLICOR_WORK:-$(mktemp -d /tmp/vellicor-e2e.XXXXXX)}
INSTALL="$WORK/install"
PIDS=()

# Every test starts from a quiet Wine: no program of an earlier test, and no
# clipboard bridge left in a state that a killed program left it in.
stop_wine() { WINEPREFIX="${WINEPREFIX:-$BUILD/wineprefix}" wineserver -k 2>/dev/null || true; }
stop_wine

cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    stop_wine
    [ -n "$KEEP_WORK" ] || rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*" >&2
    import -window root "$WORK/failure.png" 2>/dev/null && cp "$WORK/failure.png" "$BUILD/e2e-failure-$(basename "$0" .sh).png" || true
    exit 1
}

# A fresh installation, as cmake --install lays it out (with the first-run marker).
install_fresh() {
    rm -rf "$INSTALL"
    cmake --install "$BUILD" --prefix "$INSTALL" >/dev/null
    [ -f "$INSTALL/VLSTART.1ST" ] || fail "a fresh installation has the first-run marker"
}

# An installation past its first run, in English, with the given options line.
install_english() {
    install_fresh
    rm -f "$INSTALL/VLSTART.1ST"
    cp "$INSTALL/lang/English/vlcrEnglish.drv" "$INSTALL/VLCRLANG.DRV"
    printf '%s\r\n' "$1" >"$INSTALL/VLCREXT.INI"
}

# The Windows form of a folder below the work folder.
windows_path() { "$RUNNER" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

# Target slot N gets a new folder (ticked by its file's presence).
set_slot() {
    local slot=$1 folder="$WORK/slot$1"
    mkdir -p "$folder"
    printf '%s\r\n' "$(windows_path "$folder")" >"$INSTALL/TARGET$slot.INI"
}

# Starts the program; its process id goes to $1. The current directory is
# the installation folder, or the folder given as $2 (a shortcut's "Start in").
start_program() {
    local -n pid_out=$1
    (cd "${2:-$INSTALL}" && exec "$RUNNER" "$INSTALL/vellicor.exe") &
    pid_out=$!
    PIDS+=("$pid_out")
}

# An English installation with the options line, a folder in slot #1, and
# the program started on it (its process id in $program) and ready.
start_with_slot1() {
    install_english "$1"
    set_slot 1
    start_program program
    wait_until_ready
}

# The program is up once its notification window has been placed (the last
# window of the start); Wine's clipboard bridge then needs a moment more.
program_ready() { [ -n "$(xdotool search --name "^Vellicor Rizezuza$" 2>/dev/null | head -n 1)" ]; }
wait_until_ready() {
    wait_for 30 program_ready || fail "the program did not start"
    sleep 2
}

wait_for() { # seconds, then a command that must succeed
    local seconds=$1
    shift
    local end=$((SECONDS + seconds))
    while ((SECONDS < end)); do
        "$@" && return 0
        sleep 0.2
    done
    return 1
}

window_id() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window_id "$1")" ]; }

# Outer geometry of a window: sets X Y W H.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

# Clicks a point given in twips inside the client area of a window whose
# client size in twips is known (15 twips per pixel on the test display).
click_client() {
    local id=$1 client_w=$2 client_h=$3 x=$4 y=$5
    geometry "$id"
    local border=$(((WIDTH - client_w / 15) / 2))
    local top=$((HEIGHT - client_h / 15 - border))
    xdotool mousemove $((X + border + x / 15)) $((Y + top + y / 15)) click 1
}

# The notification window: on screen at the bottom right, or parked below it.
notification_window() { window_id "^Vellicor Rizezuza$"; }
notification_showing() {
    local id
    id=$(notification_window)
    [ -n "$id" ] || return 1
    geometry "$id"
    ((Y + HEIGHT <= SCREEN_H - 13 && X + WIDTH >= SCREEN_W - 2))
}
notification_parked() {
    local id
    id=$(notification_window)
    [ -n "$id" ] || return 0
    geometry "$id"
    ((Y >= SCREEN_H))
}

# A picture of the given size, as a BMP file; prints its path.
make_picture() {
    local file="$WORK/picture-$1x$2-$RANDOM.bmp"
    convert -size "$1x$2" gradient:orange-navy "bmp3:$file"
    echo "$file"
}

# Sets the clipboard from a Windows-side program, a format a file: set_formats FORMAT=FILE...
set_formats() { "$RUNNER" "$BUILD/tests/e2e/SetFormats.exe" "$@" || fail "SetFormats $*"; }
# The picture files of one extension in slot #1's folder: how many, whether
# at least N (for wait_for), the newest.
slot1_count() { find "$WORK/slot1" -maxdepth 1 -name "*.$1" | wc -l; }
slot1_has() { [ "$(slot1_count "$1")" -ge "$2" ]; }
slot1_newest() { ls -t "$WORK"/slot1/*."$1" | head -n 1; }

# xclip stays behind to serve the selection: it must not hold our output open.
copy_picture() { xclip -selection clipboard -t image/bmp -i "$1" </dev/null >/dev/null 2>&1; }
# Copies a picture until a condition holds (three tries). Under Wine a copy
# made while the program's clipboard bridge is still settling can be lost,
# which no user would notice twice in a row.
copy_picture_until() {
    local file=$1 attempt
    shift
    for attempt in 1 2 3; do
        copy_picture "$file"
        wait_for 6 "$@" && return 0
    done
    return 1
}
copy_text() { printf '%s' "$1" | xclip -selection clipboard -i >/dev/null 2>&1; }

# The program's log as its log list holds it, a line each.
read_log() { "$RUNNER" "$BUILD/tests/e2e/ReadLog.exe" "Vellicor Rizezuza 2.2" | tr -d '\r'; }

jpeg_count() { find "$1" -maxdepth 1 -name '*.jpg' | wc -l; }
# For wait_for, which runs its command again and again: at least N JPEGs in a folder.
has_jpegs() { [ "$(jpeg_count "$1")" -ge "$2" ]; }
# At least N lines of a file contain a word.
has_lines() { [ "$(grep -cs "$2" "$1")" -ge "$3" ]; }
