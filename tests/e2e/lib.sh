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

cleanup() {
    local pid
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
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

# Starts the program in the installation folder; its process id goes to $1.
start_program() {
    local -n pid_out=$1
    (cd "$INSTALL" && exec "$RUNNER" vellicor.exe) &
    pid_out=$!
    PIDS+=("$pid_out")
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

# A picture of the given size, as a BMP file; prints its path.
make_picture() {
    local file="$WORK/picture-$1x$2-$RANDOM.bmp"
    convert -size "$1x$2" gradient:orange-navy "bmp3:$file"
    echo "$file"
}

copy_picture() { xclip -selection clipboard -t image/bmp -i "$1"; }
copy_text() { printf '%s' "$1" | xclip -selection clipboard -i; }

jpeg_count() { find "$1" -maxdepth 1 -name '*.jpg' | wc -l; }
