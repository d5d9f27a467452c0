#!/bin/bash
# Print Screen with nothing new on the clipboard: the program grabs the whole
# screen, puts it on the clipboard and shows it veiled. Where the system hands
# Print Screen to its snipping tool, the program takes nothing and says so in
# a tray balloon, once per run; the setting is read at each press. A picture
# offered right after the press is still taken as it is.
source "$(dirname "$0")/lib.sh"
setup

# ---------------------------------------------------------------- snipping setting

# The value lives in the prefix that every e2e test shares: it is removed
# before the program starts and again on any exit, before the Wine server is
# stopped (which writes the registry out).
SNIPPING_KEY='HKCU\Control Panel\Keyboard'
SNIPPING_VALUE=PrintScreenKeyForSnippingEnabled

snipping_value() {
    step 30 wine reg query "$SNIPPING_KEY" /v "$SNIPPING_VALUE" 2>/dev/null | tr -d '\r' |
        awk -v name="$SNIPPING_VALUE" '$1 == name {print $3}'
}

set_snipping() { # on|off
    if [ "$1" = on ]; then
        step 30 wine reg add "$SNIPPING_KEY" /v "$SNIPPING_VALUE" /t REG_DWORD /d 1 /f \
            >>"$LOG_DIR/reg.log" 2>&1 || fail "cannot write $SNIPPING_VALUE"
        expect_eq "$(snipping_value)" 0x1 "$SNIPPING_VALUE after writing it"
    else
        step 30 wine reg delete "$SNIPPING_KEY" /v "$SNIPPING_VALUE" /f >>"$LOG_DIR/reg.log" 2>&1
        [ -z "$(snipping_value)" ] || fail "cannot remove $SNIPPING_VALUE"
    fi
    log "$SNIPPING_VALUE $1"
}

finish() {
    local status=$?
    set +e
    trap - INT TERM HUP
    set_snipping off
    (exit "$status")
    cleanup
}
trap finish EXIT

# ---------------------------------------------------------------- balloons

# Lines "handle x y w h text" (tab-separated) of the balloons on screen.
balloons() {
    helper read_balloons | tr -d '\r'
}

no_balloon() {
    [ -z "$(balloons)" ]
}

wait_for_balloon() { # seconds
    local deadline=$((SECONDS + $1)) found
    while [ $SECONDS -le $deadline ]; do
        found=$(balloons)
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# Wine's tooltips keep their title to themselves. A balloon of the same kind,
# drawn by the same code with the expected title and the text read back, must
# match the tray's inside pixel for pixel; only the stem and the rounded
# corners show what lies behind each.
check_balloon_title() { # "balloon line" title
    local x y w h text
    IFS=$'\t' read -r _ x y w h text <<<"$1"
    local fifo=$LOG_DIR/balloon.fifo reference="" line=""
    rm -f "$fifo"
    mkfifo "$fifo"
    # Half a screen lower, so it is laid out the same way (stem on top).
    step 60 wine "$BIN_DIR/read_balloons.exe" -s "$((TRAY_X + TRAY_H / 2))" "$((TRAY_Y + TRAY_H / 2 + 500))" 4 \
        "$2" "$text" >"$fifo" 2>>"$LOG_DIR/helpers.err" &
    local show_pid=$!
    read -r -t 30 reference <"$fifo"
    read -r -t 30 line <"$fifo"
    [ "${line%$'\r'}" = shown ] || fail "the reference balloon did not show"
    local rx ry rw rh
    IFS=$'\t' read -r _ rx ry rw rh _ <<<"${reference%$'\r'}"
    expect_eq "$rw x $rh" "$w x $h" "size of a balloon titled '$2' with the tray balloon's text"
    sleep 0.5
    local shots=$LOG_DIR/balloons.png
    screenshot "$shots"
    wait "$show_pid"
    rm -f "$fifo"
    local inside="$((w - 20))x$((h - 26))"
    if ! step 20 convert "$shots" -crop "$inside+$((x + 10))+$((y + 19))" +repage "$LOG_DIR/balloon-tray.png" ||
        ! step 20 convert "$shots" -crop "$inside+$((rx + 10))+$((ry + 19))" +repage "$LOG_DIR/balloon-reference.png"; then
        fail "cannot cut the balloons out of $shots"
    fi
    pix same "$LOG_DIR/balloon-tray.png" "$LOG_DIR/balloon-reference.png" 0 0 $((w - 20)) $((h - 26)) \
        >"$LOG_DIR/same.txt" ||
        fail "the tray balloon is not titled '$2': $(cat "$LOG_DIR/same.txt") pixels differ from a balloon so titled ($shots)"
}

# ---------------------------------------------------------------- helpers

# Fails unless the two pictures agree exactly outside the tray window (the
# one thing on screen that may change between two looks).
expect_same_screen() { # first second what
    local below=$((TRAY_Y + TRAY_H + 4)) right=$((TRAY_X + TRAY_W + 4)) box
    for box in "0 $below $SCREEN_W $((SCREEN_H - below))" "$right 0 $((SCREEN_W - right)) $below"; do
        # shellcheck disable=SC2086
        pix same "$1" "$2" $box >"$LOG_DIR/same.txt" ||
            fail "$3: $(cat "$LOG_DIR/same.txt") pixels differ in the box $box"
    done
}

# Waits a little for the canvas to be drawn, then fails unless each screen
# point shows its colour "r g b".
expect_screen_colours() { # what count colour... point_x point_y...
    local what=$1 count=$2
    shift 2
    local expected=("${@:1:count}") points=("${@:count+1}") seen=() i
    local file=$LOG_DIR/colours.png deadline=$((SECONDS + 5))
    while :; do
        screenshot "$file" quiet
        mapfile -t seen < <(pix pixel "$file" "${points[@]}")
        [ "${seen[*]}" = "${expected[*]}" ] && return 0
        [ $SECONDS -lt $deadline ] || break
        sleep 0.3
    done
    cp "$file" "$LOG_DIR/colours-failed.png"
    for i in "${!expected[@]}"; do
        [ "${seen[i]:-}" = "${expected[i]}" ] ||
            log "at (${points[2 * i]}, ${points[2 * i + 1]}): '${seen[i]:-}', expected '${expected[i]}'"
    done
    fail "$what: the screen shows other colours ($LOG_DIR/colours-failed.png)"
}

veil() { # channel value
    echo $(((55 * $1 + 51000) / 255))
}

clipboard_owned_by_xclip() {
    [ -n "$XCLIP_PID" ] && kill -0 "$XCLIP_PID" 2>/dev/null
}

clipboard_left_by_xclip() {
    ! clipboard_owned_by_xclip
}

# ---------------------------------------------------------------- the screen

# Six by four flat blocks of distinct colours as the root window's backdrop.
COLS=6 ROWS=4
pattern=$PICS/screen-pattern-${SCREEN_W}x$SCREEN_H.png
"$PY" - "$pattern" "$SCREEN_W" "$SCREEN_H" "$COLS" "$ROWS" <<'EOF' || fail "cannot make the screen pattern"
import sys
from PIL import Image
out, width, height, cols, rows = sys.argv[1], *(int(a) for a in sys.argv[2:])
picture = Image.new("RGB", (width, height))
for row in range(rows):
    for col in range(cols):
        colour = ((col * 47 + row * 61 + 20) % 256, (col * 89 + row * 23 + 90) % 256,
                  (col * 31 + row * 113 + 160) % 256)
        box = (col * width // cols, row * height // rows, (col + 1) * width // cols, (row + 1) * height // rows)
        picture.paste(colour, box)
picture.save(out)
EOF
# display exits non-zero without a window manager, the backdrop set all the same.
step 30 display -window root "$pattern" 2>>"$LOG_DIR/display.err"

set_snipping off
start_resident
# A pointer resting on the tray would bring up the icon's tooltip.
step 10 xdotool mousemove $((SCREEN_W - 20)) $((SCREEN_H - 20))
screen_before=$LOG_DIR/screen-before.png
screenshot "$screen_before"
expect_same_screen "$pattern" "$screen_before" "the backdrop on the X display"

# Block centres on screen, and the same points on the preview, which a
# screen-sized capture fills three quarters of the screen with.
PREVIEW_W=$((SCREEN_W * 3 / 4)) PREVIEW_H=$((SCREEN_H * 3 / 4))
centres=() preview_points=()
for row in $(seq 0 $((ROWS - 1))); do
    for col in $(seq 0 $((COLS - 1))); do
        sx=$(((2 * col + 1) * SCREEN_W / (2 * COLS))) sy=$(((2 * row + 1) * SCREEN_H / (2 * ROWS)))
        centres+=("$sx" "$sy")
        preview_points+=("$((sx * PREVIEW_W / SCREEN_W))" "$((sy * PREVIEW_H / SCREEN_H))")
    done
done
mapfile -t block_colours < <(pix pixel "$pattern" "${centres[@]}")
expected_veiled=()
for colour in "${block_colours[@]}"; do
    read -r r g b <<<"$colour"
    expected_veiled+=("$(veil "$r") $(veil "$g") $(veil "$b")")
done

# --- 1. nothing new on the clipboard: the screen itself
press_print_screen
wait_capture 10 || fail "Print Screen with nothing new on the clipboard showed no capture window"
expect_eq "$(helper read_control -r 5 7 | tr -d '\r' | tr '\n' ',')" "0 $((SCREEN_W - 1)),0 $((SCREEN_H - 1))," \
    "X and Y field ranges of the screen grab"
# The controls row takes 36 pixels under the preview.
expect_eq "$CLIENT_W x $CLIENT_H" "$PREVIEW_W x $((PREVIEW_H + 36))" "capture window of the screen grab"

grabbed=$LOG_DIR/clipboard-grab.bmp
wait_until 10 read_clipboard_bmp "$grabbed" || fail "no image/bmp on the X clipboard after the screen grab"
expect_eq "$(pix size "$grabbed")" "$SCREEN_W $SCREEN_H" "size of the clipboard's picture after the screen grab"
expect_same_screen "$screen_before" "$grabbed" "the clipboard's picture against the screen before the press"
log "screen grab: fields 0..$((SCREEN_W - 1)) x 0..$((SCREEN_H - 1)), clipboard holds the screen exactly"

# Every block's centre, scaled to the preview, shows the block's colour veiled.
canvas_points=()
for ((i = 0; i < ${#preview_points[@]}; i += 2)); do
    canvas_points+=("$((CLIENT_X + preview_points[i]))" "$((CLIENT_Y + preview_points[i + 1]))")
done
expect_screen_colours "the canvas of the screen grab" "${#expected_veiled[@]}" "${expected_veiled[@]}" \
    "${canvas_points[@]}"
log "canvas shows all $((COLS * ROWS)) blocks veiled"
shot screen-grab >/dev/null
send_keys Escape
wait_for_window_gone "Select the wanted area" 5 || fail "Escape did not hide the screen grab"

# --- 2. Print Screen taken by the system's snipping tool
set_snipping on
old_picture=$(picture bands 300 200)
put_clipboard_bmp "$old_picture"
# Past a few polls, the offer is old news to the program.
sleep 1
held=$LOG_DIR/clipboard-held.bmp
read_clipboard_bmp "$held" || fail "cannot read back the picture offered"

expect_nothing_taken() { # what
    window_visible "Select the wanted area" && fail "$1: a capture window is shown"
    clipboard_owned_by_xclip || fail "$1: the clipboard was taken over"
    if ! read_clipboard_bmp "$LOG_DIR/clipboard-now.bmp" || ! cmp -s "$held" "$LOG_DIR/clipboard-now.bmp"; then
        fail "$1: the clipboard's picture changed"
    fi
    check_alive
}

windows_before=$(visible_windows)
no_balloon || fail "a balloon is shown before the press"
press_print_screen
# Wine's tray puts a balloon up two seconds after it is asked to.
balloon=$(wait_for_balloon 8) || fail "no balloon after Print Screen with the snipping setting on"
expect_eq "$(grep -c . <<<"$balloon")" 1 "number of balloons shown"
log "balloon: $(cut -f2-5 <<<"$balloon"), text: $(cut -f6 <<<"$balloon")"
# On the X display it is one window more, where Wine says the balloon is.
new_windows=$(comm -13 <(echo "$windows_before") <(visible_windows))
expect_eq "$(grep -c . <<<"$new_windows")" 1 "number of X windows that came with the balloon"
expect_eq "$(window_geometry "$new_windows")" "$(cut -f2-5 <<<"$balloon" | tr '\t' ' ')" \
    "X window of the balloon vs its place in Wine"
[[ $(cut -f6 <<<"$balloon") == *'"Use the Print screen key to open screen capture"'* ]] ||
    fail "the balloon's text does not name the setting to turn off: '$(cut -f6 <<<"$balloon")'"
check_balloon_title "$balloon" "Print Screen is taken by Windows"
shot snipping-balloon >/dev/null
# The decision to show the balloon is the one that would have shown a capture.
sleep 0.5
expect_nothing_taken "first press with the snipping setting on"

# Once its time is up the balloon goes; a second press brings no new one.
wait_until 30 no_balloon || fail "the balloon never went away"
press_print_screen
sleep 4
second=$(balloons)
[ -z "$second" ] || fail "a second balloon came at the second press: $second"
expect_eq "$(visible_windows | tr '\n' ' ')" "$(tr '\n' ' ' <<<"$windows_before")" \
    "X windows shown after the second press"
expect_nothing_taken "second press with the snipping setting on"
log "snipping setting on: one balloon, nothing taken, twice"

# Read at each press: without it the same press grabs the screen again.
set_snipping off
press_print_screen
wait_capture 10 || fail "Print Screen after the snipping setting was removed showed no capture window"
expect_eq "$(helper read_control -r 5 7 | tr -d '\r' | tr '\n' ',')" "0 $((SCREEN_W - 1)),0 $((SCREEN_H - 1))," \
    "X and Y field ranges of the grab after the setting was removed"
wait_until 10 clipboard_left_by_xclip ||
    fail "the screen grab did not take the clipboard over from the old picture"
wait_until 10 read_clipboard_bmp "$grabbed" || fail "no image/bmp on the X clipboard after the second grab"
expect_eq "$(pix size "$grabbed")" "$SCREEN_W $SCREEN_H" "size of the clipboard's picture after the second grab"
no_balloon || fail "a balloon came with the screen grab"

send_keys Escape
wait_for_window_gone "Select the wanted area" 5 || fail "Escape did not hide the second screen grab"

# --- 3. a picture offered right after the press is taken as it is
offered=$(picture bands 800 600)
capture_picture "$offered"
# After a retry the window was already up: wait for its new place and size.
offered_layout() {
    wait_capture 1 && [ "$CLIENT_W x $CLIENT_H" = "800 x $((600 + 36))" ]
}
wait_until 5 offered_layout || fail "the capture window is $CLIENT_W x $CLIENT_H for the 800 x 600 picture"
# Bands black, white, red, grey, 200 pixels each; 800 x 600 is shown unscaled.
expect_screen_colours "the canvas of the offered picture" 3 \
    "$(veil 0) $(veil 0) $(veil 0)" "255 255 255" "255 $(veil 0) $(veil 0)" \
    $((CLIENT_X + 100)) $((CLIENT_Y + 300)) $((CLIENT_X + 300)) $((CLIENT_Y + 300)) \
    $((CLIENT_X + 500)) $((CLIENT_Y + 300))
# The offer was taken, not a grab of the screen in its place.
clipboard_owned_by_xclip || fail "the offered picture was replaced on the clipboard"
check_alive
log "a picture offered right after the press is taken, the screen left alone"
