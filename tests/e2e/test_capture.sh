#!/bin/bash
# Intake and layout: a picture on the clipboard plus Print Screen shows the
# window "Select the wanted area" centred by the preview size, with the
# preview fitted into three quarters of the desktop and fully veiled, the
# controls row placed under it, Escape hiding it and a second press showing it
# again. A press with no fresh clipboard content captures the screen itself.
source "$(dirname "$0")/lib.sh"
setup
start_resident

# Checks the window for a preview of pw x ph: the outer corner from Windows,
# the client size from both Windows and X (the X window is the client area).
check_layout() { # pw ph what
    local pw=$1 ph=$2 what=$3 info
    wait_until 5 bash -c '[ "$(capture_geometry_size)" = "$0" ]' "$pw $((ph + 36))" 2>/dev/null
    info=$(helper read_control -i w | tr -d '\r') || fail "$what: cannot read the window"
    read -r _ visible outer_x outer_y outer_w outer_h client_w client_h client_x client_y <<<"$info"
    expect_eq "$visible" 1 "$what: window visible"
    expect_eq "$client_w x $client_h" "$pw x $((ph + 36))" "$what: client size (Windows)"
    expect_eq "$outer_x,$outer_y" "$(((SCREEN_W - pw) / 2)),$(((SCREEN_H - ph) / 2))" "$what: outer corner"
    wait_capture 5 || fail "$what: window not mapped"
    expect_eq "$CLIENT_W x $CLIENT_H" "$pw x $((ph + 36))" "$what: X window size"
    expect_eq "$CLIENT_X,$CLIENT_Y" "$client_x,$client_y" "$what: X window origin vs Windows client origin"
    log "$what: outer corner $outer_x,$outer_y, client at $client_x,$client_y (frame offset" \
        "$((client_x - outer_x)),$((client_y - outer_y))), client ${client_w}x$client_h"
}
capture_geometry_size() {
    capture_geometry | awk '{print $3, $4 + 0}'
}
export -f capture_geometry_size capture_geometry find_window window_geometry step

# --- the main case: 1600 x 900 on 1920 x 1080 gives 1440 x 810
bands=$(picture bands 1600 900)
capture_picture "$bands"
check_layout 1440 810 "1600x900 capture"
shot bands >/dev/null
screen=$LOG_DIR/bands.png
screenshot "$screen"

# The whole preview is veiled: black 200, white 255, red (255, 200, 200),
# grey 100 gives 221. Sample each band's middle and both sides of each border.
expect_colour() { # canvas_x canvas_y "r g b" what
    local got
    got=$(pix pixel "$screen" $((CLIENT_X + $1)) $((CLIENT_Y + $2)))
    expect_eq "$got" "$3" "$4 at canvas ($1, $2)"
}
for y in 5 405 804; do
    expect_colour 180 $y "200 200 200" "veiled black band"
    expect_colour 540 $y "255 255 255" "veiled white band"
    expect_colour 900 $y "255 200 200" "veiled red band"
    expect_colour 1260 $y "221 221 221" "veiled grey band"
done
# Band borders at 400, 800, 1200 source pixels are at 360, 720, 1080 preview pixels.
expect_colour 357 405 "200 200 200" "black band before its border"
expect_colour 363 405 "255 255 255" "white band after its border"
expect_colour 717 405 "255 255 255" "white band before its border"
expect_colour 723 405 "255 200 200" "red band after its border"
expect_colour 1077 405 "255 200 200" "red band before its border"
expect_colour 1083 405 "221 221 221" "grey band after its border"
expect_colour 1437 405 "221 221 221" "grey band at the right edge"

# Controls row under the preview: fields at PH + 11, labels at PH + 14 (PH even),
# the two buttons shown, MenuButton hidden, all fields 0.
row=$(helper read_control -i 5 7 9 11 4 3 1 12 | tr -d '\r')
log "controls row:"$'\n'"$row"
field_line() { awk -F'\t' -v id="$1" '$1 == id' <<<"$row"; }
for entry in "5 25" "7 90" "9 155" "11 220"; do
    read -r id x <<<"$entry"
    IFS=$'\t' read -r _ visible cx cy _ _ text _ <<<"$(field_line "$id")"
    expect_eq "$visible $cx $cy $text" "1 $x 821 0" "field $id: visible, x, y, text"
done
IFS=$'\t' read -r _ visible cx cy _ _ text _ <<<"$(field_line 4)"
expect_eq "$visible $cx $cy $text" "1 5 824 X:" "label X"
IFS=$'\t' read -r _ visible cx cy cw ch text _ <<<"$(field_line 3)"
expect_eq "$visible $cx $cy $cw $ch $text" "1 1290 821 70 20 Clipboard" "ClipboardButton"
IFS=$'\t' read -r _ visible cx cy cw ch text _ <<<"$(field_line 1)"
expect_eq "$visible $cx $cy $cw $ch $text" "1 1365 821 70 20 Desktop" "DesktopButton"
IFS=$'\t' read -r _ visible _ <<<"$(field_line 12)"
expect_eq "$visible" 0 "MenuButton visible on a 1440-wide preview"

# The field ranges follow the capture, not the preview.
expect_eq "$(helper read_control -r 5 7 9 11 | tr -d '\r' | tr '\n' ',')" "0 1599,0 899,0 1600,0 900," \
    "ranges of the X, Y, W and H fields"

# Escape without a selection hides the window; the same picture offered
# afresh and Print Screen show it again.
send_keys Escape
wait_for_window_gone "Select the wanted area" 5 || fail "Escape without a selection did not hide the window"
check_alive
capture_picture "$bands"
check_layout 1440 810 "second capture of the same picture"
screenshot "$screen"
expect_colour 540 405 "255 255 255" "second capture: veiled white band"
expect_colour 900 405 "255 200 200" "second capture: veiled red band"
send_keys Escape
wait_for_window_gone "Select the wanted area" 5 || fail "the second Escape did not hide the window"

# --- the fit rule on a few sizes (capture -> preview)
while read -r w h pw ph; do
    capture_picture "$(picture bands "$w" "$h")"
    check_layout "$pw" "$ph" "${w}x$h capture"
done <<'CASES'
800 600 800 600
1441 810 1440 809
1000 2000 405 810
2000 600 1440 432
CASES
send_keys Escape
wait_for_window_gone "Select the wanted area" 5 || fail "Escape did not hide the window"

# --- no fresh clipboard content: the program grabs the screen (1920 x 1080)
sleep 1
press_print_screen
wait_capture 10 || fail "Print Screen with nothing fresh on the clipboard showed no window"
check_layout 1440 810 "screen grab"
expect_eq "$(helper read_control -r 5 7 | tr -d '\r' | tr '\n' ',')" "0 1919,0 1079," "X and Y ranges of the screen grab"
shot screen-grab >/dev/null
check_alive
log "layout, veil, controls row, Escape, fit cases and the screen grab all as expected"
