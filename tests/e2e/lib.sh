# Shared machinery of the end-to-end tests, sourced by every test_*.sh: a
# private Xvfb display, a Wine prefix made once per work folder, the helper
# exes, the program under test started in the background, and small wrappers
# around xdotool, xclip, ImageMagick and pix.py. Every wait polls with a time
# limit, and the exit trap stops everything the test started.
#
# Environment: CORVANE_EXE (the cross-built corvane.exe), CORVANE_E2E_WORK (a
# scratch folder: prefix, helper exes, logs, screenshots). Optional:
# CORVANE_E2E_TIMEOUT (seconds for the whole test, default 600),
# CORVANE_WINEDEBUG (WINEDEBUG for the program, default -all).

set -u
set -o pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TEST_NAME=$(basename "$0" .sh)
: "${CORVANE_EXE:?CORVANE_EXE must name the cross-built corvane.exe}"
CORVANE_EXE=$(readlink -f "$CORVANE_EXE")
WORK=$(mkdir -p "${CORVANE_E2E_WORK:-/tmp/corvane-e2e}" && cd "${CORVANE_E2E_WORK:-/tmp/corvane-e2e}" && pwd)
LOG_DIR=$WORK/logs/$TEST_NAME
BIN_DIR=$WORK/bin
PICS=$WORK/pictures
PY=/usr/bin/python3
SCREEN_W=1920
SCREEN_H=1080
rm -rf "$LOG_DIR"
mkdir -p "$LOG_DIR" "$BIN_DIR" "$PICS"

export WINEPREFIX=$WORK/prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# A home of its own keeps Wine's Desktop folder from linking to the real one.
export HOME=$WORK/home
mkdir -p "$HOME"

XVFB_PID=""
XCLIP_PID=""
WATCHDOG_PID=""
declare -A CORVANE_PIDS=()
SHOT_COUNT=0

log() {
    printf '[%s %s] %s\n' "$(date +%H:%M:%S)" "$TEST_NAME" "$*" | tee -a "$LOG_DIR/test.log" >&2
}

# Ends the test as failed: the message, a last screenshot and the tail of
# every program log.
fail() {
    log "FAIL: $*"
    if [ -n "${DISPLAY:-}" ]; then
        timeout 20 import -display "$DISPLAY" -window root "$LOG_DIR/failure.png" 2>/dev/null &&
            log "screenshot at failure: $LOG_DIR/failure.png"
    fi
    local file
    for file in "$LOG_DIR"/*.err "$LOG_DIR"/*.out; do
        [ -s "$file" ] || continue
        log "--- last lines of $file"
        tail -n 15 "$file" >&2
    done
    exit 1
}

expect_eq() { # actual expected what
    [ "$1" = "$2" ] || fail "$3: got '$1', expected '$2'"
}

# Runs a command with a time limit so no step can hang the test.
step() { # seconds command...
    local seconds=$1
    shift
    timeout -k 5 "$seconds" "$@"
}

# Polls a command until it succeeds or the time runs out.
wait_until() { # seconds command...
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    while ! "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
    return 0
}

cleanup() {
    local status=$?
    set +e
    local tag
    for tag in "${!CORVANE_PIDS[@]}"; do
        kill "${CORVANE_PIDS[$tag]}" 2>/dev/null
    done
    [ -n "$XCLIP_PID" ] && kill "$XCLIP_PID" 2>/dev/null
    WINEDEBUG=-all timeout 20 wineserver -k 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    [ -n "$WATCHDOG_PID" ] && kill "$WATCHDOG_PID" 2>/dev/null
    wait 2>/dev/null
    if [ $status -eq 0 ]; then
        log "PASS"
    else
        log "exit status $status; logs in $LOG_DIR"
    fi
    exit $status
}
trap cleanup EXIT
trap 'fail "interrupted or timed out"' INT TERM HUP

# A backstop behind the per-step limits: ends the test when it runs too long.
# Its output goes to the log only, so it never holds a pipe of the caller.
start_watchdog() {
    local limit=${CORVANE_E2E_TIMEOUT:-600}
    (
        trap 'kill $sleeper 2>/dev/null; exit 0' TERM
        sleep "$limit" &
        sleeper=$!
        wait $sleeper
        echo "[$TEST_NAME] watchdog: over $limit s, stopping" >>"$LOG_DIR/test.log"
        kill -TERM $$
    ) </dev/null >/dev/null 2>&1 &
    WATCHDOG_PID=$!
}

start_display() {
    local number
    for number in $(seq 90 140); do
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        # A long autorepeat delay: a key held a moment too long on a loaded
        # machine must not arrive twice.
        Xvfb ":$number" -screen 0 ${SCREEN_W}x${SCREEN_H}x24 -nolisten tcp -noreset -ardelay 10000 \
            >"$LOG_DIR/xvfb.log" 2>&1 &
        XVFB_PID=$!
        local tries
        for tries in $(seq 1 100); do
            if ! kill -0 "$XVFB_PID" 2>/dev/null; then
                XVFB_PID=""
                break
            fi
            if xdpyinfo -display ":$number" >/dev/null 2>&1; then
                export DISPLAY=":$number"
                log "Xvfb on $DISPLAY"
                return 0
            fi
            sleep 0.1
        done
        [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    done
    fail "no free X display number between 90 and 140"
}

# The prefix is made once per work folder; a lock keeps two tests from
# making it at the same time.
ensure_prefix() {
    exec 9>"$WORK/prefix.lock"
    flock -w 600 9 || fail "cannot lock the Wine prefix"
    if [ ! -f "$WINEPREFIX/.corvane-e2e-ready" ]; then
        log "creating Wine prefix $WINEPREFIX"
        rm -rf "$WINEPREFIX"
        # With a Desktop in its home, Wine links the user's Desktop there.
        mkdir -p "$HOME/Desktop"
        step 300 wineboot -i >"$LOG_DIR/wineboot.log" 2>&1 || fail "wineboot -i failed"
        step 120 wineserver -w || fail "wineserver did not settle after wineboot"
        touch "$WINEPREFIX/.corvane-e2e-ready"
    fi
    flock -u 9
}

build_helpers() {
    local source name
    for source in "$E2E_DIR"/helpers/*.c; do
        name=$(basename "$source" .c)
        if [ ! -x "$BIN_DIR/$name.exe" ] || [ "$source" -nt "$BIN_DIR/$name.exe" ]; then
            x86_64-w64-mingw32-gcc -O2 -Wall -static -o "$BIN_DIR/$name.exe" "$source" -lpsapi \
                >"$LOG_DIR/build-$name.log" 2>&1 || fail "cannot build helper $name: $(cat "$LOG_DIR/build-$name.log")"
        fi
    done
}

# Runs a helper exe in the test's prefix and prints its output.
helper() { # name args...
    local name=$1
    shift
    step 60 wine "$BIN_DIR/$name.exe" "$@" 2>>"$LOG_DIR/helpers.err"
}

setup() {
    start_watchdog
    start_display
    ensure_prefix
    build_helpers
    # The systray and clipboard services of Wine start with the first program;
    # start them now so the program's own start is not timed with them.
    step 60 wine "$BIN_DIR/press_key.exe" 0x10 </dev/null >/dev/null 2>>"$LOG_DIR/helpers.err" ||
        fail "Wine does not run programs"
}

# ---------------------------------------------------------------- program

# Starts a copy of the program in the background under a tag; its exit code
# lands in $LOG_DIR/<tag>.rc.
start_corvane() { # [tag]
    local tag=${1:-corvane}
    rm -f "$LOG_DIR/$tag.rc"
    (
        cd "$(dirname "$CORVANE_EXE")" || exit 1
        WINEDEBUG=${CORVANE_WINEDEBUG:--all} wine "$CORVANE_EXE" >"$LOG_DIR/$tag.out" 2>"$LOG_DIR/$tag.err"
        echo $? >"$LOG_DIR/$tag.rc"
    ) &
    CORVANE_PIDS[$tag]=$!
    log "started corvane.exe as '$tag'"
}

corvane_running() { # [tag]
    [ ! -f "$LOG_DIR/${1:-corvane}.rc" ]
}

# Waits for a copy to end and prints its exit code; fails when it does not.
corvane_exit_code() { # tag seconds
    local tag=$1
    wait_until "$2" test -s "$LOG_DIR/$tag.rc" || return 1
    cat "$LOG_DIR/$tag.rc"
}

# Fails the test when the program is no longer running (crashed).
check_alive() {
    corvane_running || fail "corvane.exe ended unexpectedly with code $(cat "$LOG_DIR/corvane.rc")"
}

# Starts the program and waits until its tray icon is there.
start_resident() {
    start_corvane
    wait_for_window "Wine System Tray" 30 >/dev/null || fail "no tray icon appeared after start"
    # The icon area is created with the window; give it a moment to be drawn.
    wait_until 10 tray_has_icon || fail "the Wine System Tray shows no icon"
    check_alive
}

# ---------------------------------------------------------------- windows

# Prints the X id of the first window whose name is exactly title.
find_window() { # title [--onlyvisible]
    local title=$1
    shift
    step 10 xdotool search "$@" --name "^$(printf '%s' "$title" | sed 's/[][\.*^$()+?{}|]/\\&/g')\$" 2>/dev/null | head -n 1
}

window_visible() { # title
    local id
    id=$(find_window "$1" --onlyvisible) && [ -n "$id" ]
}

wait_for_window() { # title seconds
    local deadline=$((SECONDS + ${2:-20}))
    local id
    while [ $SECONDS -le $deadline ]; do
        id=$(find_window "$1" --onlyvisible)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

wait_for_window_gone() { # title seconds
    wait_until "${2:-20}" bash -c '! xdotool search --onlyvisible --name "^$0\$" >/dev/null 2>&1' "$1"
}

# Prints "x y width height" of an X window on screen (for a Wine top-level
# without a window manager: its client area).
window_geometry() { # xid
    step 10 xwininfo -id "$1" | awk '
        /Absolute upper-left X:/ {x = $4}
        /Absolute upper-left Y:/ {y = $4}
        /^ *Width:/ {w = $2}
        /^ *Height:/ {h = $2}
        END {print x, y, w, h}'
}

# The tray window holds at least one icon when something other than its
# background is drawn in its first icon cell.
tray_has_icon() {
    local id geometry
    id=$(find_window "Wine System Tray" --onlyvisible)
    [ -n "$id" ] || return 1
    read -r TRAY_X TRAY_Y TRAY_W TRAY_H <<<"$(window_geometry "$id")"
    [ "${TRAY_W:-0}" -gt 0 ] || return 1
    screenshot "$LOG_DIR/tray.png" quiet
    local colours
    colours=$(step 20 convert "$LOG_DIR/tray.png" -crop "${TRAY_H}x${TRAY_H}+${TRAY_X}+${TRAY_Y}" +repage \
        -unique-colors txt:- 2>/dev/null | grep -c '^[0-9]')
    [ "${colours:-0}" -gt 2 ]
}

# Prints "x y width height" of the capture window's client area on screen.
capture_geometry() {
    local id
    id=$(find_window "Select the wanted area" --onlyvisible)
    [ -n "$id" ] || return 1
    window_geometry "$id"
}

# ---------------------------------------------------------------- input

press_print_screen() {
    helper press_key 0x2C >/dev/null || fail "press_key helper failed"
}

# Presses Print Screen and offers the picture on the X clipboard right after
# the press, as the system does with its screenshot. (The program takes the
# clipboard only when it changed since its previous poll, 200 ms before at
# most; content offered before the press counts as old.)
press_print_screen_offering() { # file.bmp
    local fifo=$LOG_DIR/press.fifo line="" attempt press_pid
    stop_xclip
    for attempt in 1 2 3; do
        rm -f "$fifo"
        mkfifo "$fifo"
        step 60 wine "$BIN_DIR/press_key.exe" 0x2C >"$fifo" 2>>"$LOG_DIR/helpers.err" &
        press_pid=$!
        line=""
        read -r -t 30 line <"$fifo"
        [ "${line%$'\r'}" = pressed ] && break
        # On a loaded machine a Wine start can fail now and then; the key was
        # not pressed, so pressing again is safe.
        wait "$press_pid" 2>/dev/null
        log "press_key attempt $attempt said '${line%$'\r'}' (exit $?); pressing again"
        [ "$attempt" -lt 3 ] || fail "press_key helper did not press Print Screen"
        sleep 1
    done
    xclip -quiet -selection clipboard -t image/bmp -i "$1" >/dev/null 2>"$LOG_DIR/xclip.err" &
    XCLIP_PID=$!
    wait "$press_pid"
    rm -f "$fifo"
}

# Gives a window the X input focus so xdotool keys reach it.
focus_window() { # title
    local id
    id=$(find_window "$1" --onlyvisible)
    [ -n "$id" ] || fail "no visible window '$1' to focus"
    step 10 xdotool windowfocus --sync "$id" 2>/dev/null || step 10 xdotool windowfocus "$id"
}

# Sends keys (xdotool names) to the capture window.
send_keys() { # key...
    focus_window "Select the wanted area"
    step 10 xdotool key --delay 40 "$@"
}

click_at() { # x y [button]
    step 10 xdotool mousemove --sync "$1" "$2" click "${3:-1}"
}

# A real drag: press at the first point, several moves, release at the last.
drag() { # x1 y1 x2 y2 [steps]
    local x1=$1 y1=$2 x2=$3 y2=$4 steps=${5:-8} i
    # Arrive with a movement, so the hover test runs at the press point.
    step 10 xdotool mousemove --sync "$((x1 - 2))" "$((y1 - 2))"
    sleep 0.1
    step 10 xdotool mousemove --sync "$x1" "$y1"
    sleep 0.1
    step 10 xdotool mousedown 1
    sleep 0.15
    for i in $(seq 1 "$steps"); do
        step 10 xdotool mousemove "$((x1 + (x2 - x1) * i / steps))" "$((y1 + (y2 - y1) * i / steps))"
        sleep 0.05
    done
    sleep 0.15
    step 10 xdotool mouseup 1
    sleep 0.2
}

pointer_location() {
    step 10 xdotool getmouselocation | sed 's/x:\([0-9-]*\) y:\([0-9-]*\).*/\1 \2/'
}

# ---------------------------------------------------------------- clipboard

stop_xclip() {
    if [ -n "$XCLIP_PID" ]; then
        kill "$XCLIP_PID" 2>/dev/null
        wait "$XCLIP_PID" 2>/dev/null
        XCLIP_PID=""
    fi
}

# Offers a BMP file on the X clipboard as image/bmp; xclip stays in the
# background for as long as it owns the selection.
put_clipboard_bmp() { # file
    stop_xclip
    xclip -quiet -selection clipboard -t image/bmp -i "$1" >/dev/null 2>"$LOG_DIR/xclip.err" &
    XCLIP_PID=$!
    wait_until 10 clipboard_offers image/bmp || fail "xclip did not take the clipboard"
}

clipboard_offers() { # target
    step 5 xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx "$1"
}

read_clipboard_bmp() { # out.bmp
    step 20 xclip -selection clipboard -t image/bmp -o >"$1" 2>>"$LOG_DIR/xclip.err" && [ -s "$1" ]
}

# Puts a raw CF_DIB block (or text) on the clipboard from inside Wine.
set_wine_clipboard() { # dib FILE | text STRING | empty
    stop_xclip
    helper set_clipboard "$@" >/dev/null || fail "set_clipboard helper failed: $*"
}

# ---------------------------------------------------------------- pictures

pix() {
    step 120 "$PY" "$E2E_DIR/pix.py" "$@"
}

# Prints the path of a cached test picture, making it when needed.
picture() { # kind width height [seed]
    local file="$PICS/$1-$2x$3-${4:-0}.bmp"
    file=${file//:/_}
    file=${file//,/_}
    [ -s "$file" ] || pix make "$1" "$2" "$3" "$file" "${4:-0}" || fail "cannot make picture $*"
    echo "$file"
}

screenshot() { # out.png [quiet]
    step 30 import -display "$DISPLAY" -window root "$1" 2>/dev/null || fail "screenshot failed"
    if [ "${2:-}" != quiet ]; then
        SHOT_COUNT=$((SHOT_COUNT + 1))
    fi
}

# Screenshot with a running number, kept in the log folder for reports.
shot() { # name
    local file
    file=$(printf '%s/shot-%02d-%s.png' "$LOG_DIR" $((SHOT_COUNT + 1)) "$1")
    screenshot "$file"
    echo "$file"
}

# ---------------------------------------------------------------- capture window

# Capture geometry on this display for a preview of PW x PH: fields
# CLIENT_X CLIENT_Y CLIENT_W CLIENT_H after wait_capture.
wait_capture() { # [seconds]
    wait_for_window "Select the wanted area" "${1:-10}" >/dev/null || return 1
    local geometry
    geometry=$(capture_geometry) || return 1
    read -r CLIENT_X CLIENT_Y CLIENT_W CLIENT_H <<<"$geometry"
    return 0
}

# The client size "w h" of the window for a capture of w x h: the preview
# fits within three quarters of the screen, plus the row of controls.
expected_client_size() { # width height
    local w=$1 h=$2 pw ph
    if [ "$w" -gt $((SCREEN_W * 3 / 4)) ]; then
        pw=$((SCREEN_W * 3 / 4)) ph=$((SCREEN_W * 3 * h / (w * 4)))
    elif [ "$h" -gt $((SCREEN_H * 3 / 4)) ]; then
        pw=$((SCREEN_H * 3 * w / (h * 4))) ph=$((SCREEN_H * 3 / 4))
    else
        pw=$w ph=$h
    fi
    echo "$pw $((ph + 36))"
}

capture_has_client_size() { # "w h"
    local geometry
    geometry=$(capture_geometry) || return 1
    [ "$(awk '{print $3, $4}' <<<"$geometry")" = "$1" ]
}

# Presses Print Screen with a picture; waits until the window shows that
# picture, told by the X and Y field maxima (width - 1, height - 1). When the
# offer came too late after the press (a loaded machine), the program has
# grabbed the screen instead; the press is then repeated.
capture_picture() { # file
    local size attempt ranges
    size=$(pix size "$1") || fail "cannot read the size of $1"
    read -r CAPTURE_W CAPTURE_H <<<"$size"
    for attempt in 1 2 3 4; do
        press_print_screen_offering "$1"
        wait_capture 10 || fail "no capture window after Print Screen with $(basename "$1") on the clipboard"
        ranges=$(helper read_control -r 5 7 | tr -d '\r' | tr '\n' ' ')
        if [ "$ranges" = "0 $((CAPTURE_W - 1)) 0 $((CAPTURE_H - 1)) " ]; then
            # The X window follows the new layout a moment after the fields:
            # the geometry is read once it has the new size.
            local client
            client=$(expected_client_size "$CAPTURE_W" "$CAPTURE_H")
            wait_until 10 capture_has_client_size "$client" ||
                fail "the window of $(basename "$1") never got the client size $client (now $(capture_geometry))"
            wait_capture 5 || fail "the capture window went away"
            return 0
        fi
        log "capture attempt $attempt of $(basename "$1"): X and Y ranges '$ranges', not the picture's; pressing again"
        sleep 0.5
    done
    fail "Print Screen with $(basename "$1") offered never showed it (last X and Y ranges '$ranges')"
}

# Prints the four field texts "X Y W H" as the program shows them.
read_fields() {
    helper read_control 5 7 9 11 | tr -d '\r' | tr '\n' ' ' | sed 's/ $//'
}

# The Wine desktop folder, as the shell reports it to programs.
desktop_dir() {
    local windows_path
    windows_path=$(helper desktop_dir | tr -d '\r') || fail "desktop_dir helper failed"
    readlink -f "$(step 20 winepath -u "$windows_path" 2>/dev/null)"
}

# ---------------------------------------------------------------- menus

# Lists the ids of all mapped X windows except the root, sorted.
visible_windows() {
    step 10 xdotool search --onlyvisible --name '' 2>/dev/null | sort
}

# Waits for a window that was not in the list given and prints its id.
wait_for_new_window() { # "ids before" seconds
    local before=$1 deadline=$((SECONDS + ${2:-10})) id
    while [ $SECONDS -le $deadline ]; do
        for id in $(visible_windows); do
            if ! grep -qx "$id" <<<"$before"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

window_mapped() { # xid
    step 10 xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

# Clicks the first icon of the Wine System Tray and waits for the popup menu;
# leaves its geometry in MENU_ID MENU_X MENU_Y MENU_W MENU_H.
open_tray_menu() { # button
    tray_has_icon || fail "no tray icon to click"
    local before
    before=$(visible_windows)
    # A pointer that has not moved since the last menu closed does not reach
    # the icon again; come in from elsewhere.
    step 10 xdotool mousemove --sync 600 600
    click_at $((TRAY_X + TRAY_H / 2)) $((TRAY_Y + TRAY_H / 2)) "$1"
    MENU_ID=$(wait_for_new_window "$before" 10) || fail "no popup menu after button $1 on the tray icon"
    read -r MENU_X MENU_Y MENU_W MENU_H <<<"$(window_geometry "$MENU_ID")"
    log "tray menu (button $1) at $MENU_X,$MENU_Y size ${MENU_W}x$MENU_H"
}

# Prints the Linux pid of the running program (the child of its wrapper).
corvane_unix_pid() {
    pgrep -P "${CORVANE_PIDS[corvane]}" | head -n 1
}

# ---------------------------------------------------------------- fields

FIELD_X=([5]=25 [7]=90 [9]=155 [11]=220)

# Screen position inside a field's edit box (client y = PH + 11).
field_point() { # id ph
    echo $((CLIENT_X + ${FIELD_X[$1]} + 15)) $((CLIENT_Y + $2 + 21))
}

# Replaces a field's text by typing, as a user would.
type_into_field() { # id ph text
    local point
    point=$(field_point "$1" "$2")
    focus_window "Select the wanted area"
    # shellcheck disable=SC2086
    click_at $point
    step 10 xdotool key --delay 40 End shift+Home
    step 10 xdotool type --delay 60 "$3"
    sleep 0.3
}

# Clicks a field's up (+1) or down (-1) arrow; the arrows take the 10 pixels
# right of the 30-pixel edit box, up in the upper half.
click_field_arrow() { # id ph direction
    local x=$((CLIENT_X + ${FIELD_X[$1]} + 35))
    local y=$((CLIENT_Y + $2 + 11 + ($3 > 0 ? 4 : 15)))
    # Wine's up-down finds the arrow under the pointer on a movement: a press
    # with no movement since the last release steps nothing.
    step 10 xdotool mousemove --sync "$((x - 1))" "$y"
    sleep 0.1
    click_at "$x" "$y"
    # Two clicks within the double-click time make a double click, which the
    # up-down control of Wine does not count as a second step.
    sleep 0.7
}

# Waits until the four fields read "X Y W H".
wait_fields() { # "x y w h" seconds
    local deadline=$((SECONDS + ${2:-5}))
    while [ $SECONDS -le $deadline ]; do
        FIELDS=$(read_fields)
        [ "$FIELDS" = "$1" ] && return 0
        sleep 0.2
    done
    return 1
}

expect_fields() { # "x y w h" what
    wait_fields "$1" 5 || fail "$2: fields read '$FIELDS', expected '$1'"
}

# Screenshot of the canvas with the uniform picture: the drawn selection.
# Prints "x y w h veil_ok frame_ok" or "none all_veiled".
canvas_selection() { # pw ph
    local file=$LOG_DIR/canvas.png
    screenshot "$file" quiet
    pix canvas_rect "$file" "$CLIENT_X" "$CLIENT_Y" "$1" "$2"
}

expect_canvas() { # pw ph "expected" what
    local got deadline=$((SECONDS + 5))
    while :; do
        got=$(canvas_selection "$1" "$2")
        [ "$got" = "$3" ] && return 0
        [ $SECONDS -lt $deadline ] || break
        sleep 0.3
    done
    cp "$LOG_DIR/canvas.png" "$LOG_DIR/canvas-failed.png"
    fail "$4: canvas shows '$got', expected '$3' (x y w h veil_ok frame_ok)"
}

# ---------------------------------------------------------------- exports

# Lists the JPEG files of the desktop folder, one name a line.
desktop_jpegs() {
    find "$DESKTOP_DIR" -maxdepth 1 -name '*.jpg' -printf '%f\n' 2>/dev/null | sort
}

# Finds the desktop folder the program saves into, and checks that the
# shell's answer is the prefix's own user Desktop.
init_desktop() {
    DESKTOP_DIR=$(desktop_dir)
    [ -d "$DESKTOP_DIR" ] || fail "the desktop folder '$DESKTOP_DIR' does not exist"
    local own
    own=$(readlink -f "$WINEPREFIX"/drive_c/users/*/Desktop | grep -vi '/public/' | head -n 1)
    expect_eq "$DESKTOP_DIR" "$own" "desktop folder from the shell vs the prefix's user folder"
    log "desktop folder: $DESKTOP_DIR"
}

# Waits for JPEG files that were not in the list given; prints their names.
wait_new_jpegs() { # "names before" count seconds
    local before=$1 count=$2 deadline=$((SECONDS + ${3:-10})) found
    while [ $SECONDS -le $deadline ]; do
        found=$(comm -13 <(echo "$before") <(desktop_jpegs) | grep -v '^$')
        if [ "$(grep -c . <<<"$found")" -ge "$count" ]; then
            sleep 0.3
            echo "$found"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Checks a saved name "DD_MM_YYYY - HH.MM.SS[ (n)].jpg" against a time span
# in seconds since the epoch.
check_jpeg_name() { # name earliest latest
    local name=$1 pattern='^([0-9]{2})_([0-9]{2})_([0-9]{4}) - ([0-9]{2})\.([0-9]{2})\.([0-9]{2})( \([0-9]+\))?\.jpg$'
    [[ $name =~ $pattern ]] || fail "saved file name '$name' is not 'DD_MM_YYYY - HH.MM.SS.jpg'"
    local stamp
    stamp=$(date -d "${BASH_REMATCH[3]}-${BASH_REMATCH[2]}-${BASH_REMATCH[1]} ${BASH_REMATCH[4]}:${BASH_REMATCH[5]}:${BASH_REMATCH[6]}" +%s) ||
        fail "saved file name '$name' holds no valid date"
    [ "$stamp" -ge $(($2 - 2)) ] && [ "$stamp" -le $(($3 + 2)) ] ||
        fail "saved file name '$name' is $(date -d @"$stamp" +%T), the save ran $(date -d @"$2" +%T) to $(date -d @"$3" +%T)"
}

# Checks a saved JPEG against the source picture at the fields' rectangle:
# baseline RGB JPEG of that size, pixels close to the source.
check_jpeg() { # file source "x y w h"
    local info
    read -r x y w h <<<"$3"
    info=$(pix jpeg_info "$1") || fail "$(basename "$1") does not decode"
    expect_eq "$info" "JPEG RGB $w $h 1" "format, mode, size and baseline of $(basename "$1")"
    # Brightness is kept at full resolution and must match closely everywhere
    # (a crop one pixel off breaks it along every checker edge); colour is
    # halved, so only most pixels need to be close in every channel.
    pix compare "$2" "$x" "$y" "$w" "$h" "$1" 6 0.0005 luma >"$LOG_DIR/compare.txt" &&
        pix compare "$2" "$x" "$y" "$w" "$h" "$1" 8 0.03 rgb >>"$LOG_DIR/compare.txt" ||
        fail "$(basename "$1") differs from the source at $3: $(cat "$LOG_DIR/compare.txt")"
    log "$(basename "$1"): $(tr '\n' ';' <"$LOG_DIR/compare.txt")"
}

# Checks the X clipboard's picture against the source at "x y w h", exactly.
check_clipboard_crop() { # source "x y w h" what
    local out=$LOG_DIR/clipboard-out.bmp
    read -r x y w h <<<"$2"
    wait_until 10 read_clipboard_bmp "$out" || fail "$3: no image/bmp on the X clipboard"
    pix compare "$1" "$x" "$y" "$w" "$h" "$out" 0 >"$LOG_DIR/compare.txt" ||
        fail "$3: the clipboard's picture differs from the source at $2: $(cat "$LOG_DIR/compare.txt")"
}
