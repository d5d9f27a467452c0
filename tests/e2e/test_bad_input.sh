#!/bin/bash
# Untrusted clipboard content on Print Screen: text, an empty clipboard and
# malformed CF_DIB blocks change nothing (the previous capture stays as it
# was, selection and all, and still exports), pictures too narrow for the
# window bring the "Invalid width" message box, a picture whose fit has no
# height does no harm, and the program keeps answering throughout.
source "$(dirname "$0")/lib.sh"
setup
start_resident

at() { echo $((CLIENT_X + $1)) $((CLIENT_Y + $2)); }

# The previous capture: 800 x 600 is shown unscaled, so fields = preview.
source_pic=$(picture bands 800 600)
capture_picture "$source_pic"
drag $(at 100 100) $(at 300 250)
expect_fields "100 100 200 150" "fields of the first capture"
REF_GEOMETRY="$CLIENT_X $CLIENT_Y $CLIENT_W $CLIENT_H"
REF_SHOT=$LOG_DIR/reference.png
screenshot "$REF_SHOT"

# Nothing may change: same window place and size, same fields, same canvas.
expect_unchanged() { # what
    check_alive
    window_visible "No selected area" && fail "$1: a message box appeared"
    window_visible "Invalid width" && fail "$1: an 'Invalid width' box appeared"
    wait_capture 5 || fail "$1: the capture window is gone"
    expect_eq "$CLIENT_X $CLIENT_Y $CLIENT_W $CLIENT_H" "$REF_GEOMETRY" "$1: window geometry"
    expect_eq "$(read_fields)" "100 100 200 150" "$1: fields"
    local now=$LOG_DIR/now.png
    screenshot "$now"
    pix same "$REF_SHOT" "$now" "$CLIENT_X" "$CLIENT_Y" 800 636 >"$LOG_DIR/same.txt" ||
        { cp "$now" "$LOG_DIR/changed-$(echo "$1" | tr -c 'a-z0-9' '_').png"
          fail "$1: $(cat "$LOG_DIR/same.txt") pixels of the window changed"; }
}

# The press is followed by the data at once; the program waits up to 500 ms
# for a change after a press, so 1.5 s covers its handling.
settle() { sleep 1.5; }

set_wine_clipboard -p text "not a picture"
settle
expect_unchanged "plain text"
set_wine_clipboard -p empty
settle
expect_unchanged "empty clipboard"

pix make_dib 30000 30000 24 0 100 "$WORK/huge-claim.dib"
pix make_dib -50 50 24 0 7500 "$WORK/negative-width.dib"
pix make_dib 100 100 0 0 30000 "$WORK/zero-bits.dib"
pix make_dib 100 -2147483648 24 0 30000 "$WORK/height-min.dib"
pix make_dib 64 64 24 12288 1000 "$WORK/short-pixels.dib"
head -c 20 "$WORK/huge-claim.dib" >"$WORK/truncated-header.dib"
for name in huge-claim negative-width zero-bits height-min short-pixels truncated-header; do
    set_wine_clipboard -p dib "$WORK/$name.dib"
    settle
    expect_unchanged "malformed CF_DIB $name"
done
log "text, empty and six malformed CF_DIB blocks changed nothing"

# The selection survived: Return still exports the first capture's area.
send_keys Return
wait_for_window_gone "Select the wanted area" 10 || fail "Return after the bad inputs did not export"
check_clipboard_crop "$source_pic" "100 100 200 150" "export after the bad inputs"

# Too narrow: 1 x 1 and 30 x 200 give previews 1 and 30 wide.
capture_picture "$source_pic"
for size in "1 1" "30 200"; do
    read -r w h <<<"$size"
    # Pressed and put on the clipboard by one Windows helper, so the picture
    # is there in time even on a loaded machine (the X clipboard lags).
    tail -c +15 "$(picture bands "$w" "$h")" >"$WORK/narrow-$w.dib"
    set_wine_clipboard -p dib "$WORK/narrow-$w.dib"
    box=$(wait_for_window "Invalid width" 10) || fail "no 'Invalid width' box for a ${w}x$h picture"
    texts=$(helper read_control -t "Invalid width" -i all | tr -d '\r' | cut -f7)
    grep -qx "The width of the printed screen has to be greater than 30!" <<<"$texts" ||
        fail "'Invalid width' text: '$texts'"
    step 10 xdotool windowfocus "$box" 2>/dev/null
    step 10 xdotool key Return
    wait_for_window_gone "Invalid width" 10 || fail "the 'Invalid width' box did not close on Return"
    check_alive
    window_visible "Select the wanted area" || fail "the window was hidden by a too narrow ${w}x$h picture"
done

# 100000 x 1: the fit makes the height 0; whatever the program says, it
# must not crash or lay the window out for it.
tail -c +15 "$(picture flat:0,0,255 100000 1)" >"$WORK/wide.dib"
set_wine_clipboard -p dib "$WORK/wide.dib"
if box=$(wait_for_window "Invalid width" 10); then
    log "100000x1: the program shows 'Invalid width'"
    step 10 xdotool windowfocus "$box" 2>/dev/null
    step 10 xdotool key Return
    wait_for_window_gone "Invalid width" 10 || fail "the 'Invalid width' box did not close"
else
    log "100000x1: the program shows nothing"
fi
check_alive
wait_capture 5 || fail "the window is gone after a 100000x1 picture"
expect_eq "$CLIENT_W $CLIENT_H" "800 636" "window size after a 100000x1 picture"

# And a normal capture still works.
capture_picture "$(picture bands 1600 900)"
wait_until 5 bash -c '[ "$(xwininfo -id "$(xdotool search --onlyvisible --name "^Select the wanted area\$" | head -n 1)" | awk "/Width:/ {print \$2}")" = 1440 ]' ||
    fail "a valid capture after the bad inputs was not shown"

# A narrow preview: the window's client area must still be exactly PW wide
# (a system minimum for captioned windows must not widen it).
# 31 pixels wide is laid out, with MenuButton as its only control.
capture_picture "$(picture bands 31 200)"
wait_until 5 bash -c '[ "$(xwininfo -id "$(xdotool search --onlyvisible --name "^Select the wanted area\$" | head -n 1)" | awk "/Width:/ {print \$2}")" = 31 ]' ||
    fail "a 31x200 picture was not laid out 31 wide: X window $(capture_geometry), Windows $(helper read_control -i w | tr -d '\r' | tr '\t' ' ') (w visible outer x y w h, client w h, client origin)"
wait_capture 5
expect_eq "$CLIENT_W $CLIENT_H" "31 236" "window of a 31x200 picture"
expect_eq "$(helper read_control -i 12 5 3 | tr -d '\r' | cut -f1,2 | tr '\t\n' ': ')" "12:1 5:0 3:0 " \
    "controls shown for a 31-wide preview"

check_alive
log "bad clipboard content handled without harm; narrow pictures refused with the message"
