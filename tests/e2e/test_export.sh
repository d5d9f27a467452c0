#!/bin/bash
# Export: the selected area at full resolution, by the fields' rectangle,
# put on the clipboard (Return, the "Clipboard" button, the export menu) and
# saved as a quality-100 JPEG named after the local time in the desktop
# folder (Ctrl+S, the "Desktop" button, the export menu); each export hides
# the window. Without a selection the export refuses with "No selected area",
# and Escape first clears a selection, then hides the window.
source "$(dirname "$0")/lib.sh"
setup
start_resident
init_desktop

PW=1440 PH=810
at() { echo $((CLIENT_X + $1)) $((CLIENT_Y + $2)); }

expect_hidden_after() { # what
    wait_for_window_gone "Select the wanted area" 10 || fail "$1: the window is still shown"
    check_alive
}

# Saves with the given action and checks the one new file against the source.
expect_saved() { # source "x y w h" what action...
    local source=$1 box=$2 what=$3
    shift 3
    local before start names
    before=$(desktop_jpegs)
    start=$(date +%s)
    "$@"
    expect_hidden_after "$what"
    names=$(wait_new_jpegs "$before" 1 10) || fail "$what: no JPEG appeared in $DESKTOP_DIR"
    expect_eq "$(grep -c . <<<"$names")" 1 "$what: number of new files"
    check_jpeg_name "$names" "$start" "$(date +%s)"
    check_jpeg "$DESKTOP_DIR/$names" "$source" "$box"
}

click_button() { # client x of the button's left edge
    click_at $((CLIENT_X + $1 + 35)) $((CLIENT_Y + PH + 21))
}

# --- Return after a mouse selection: the clipboard holds the crop.
source1=$(picture detail 1600 900 1)
capture_picture "$source1"
# shellcheck disable=SC2046
drag $(at 100 100) $(at 500 400)
box=$(read_fields)
expect_eq "$box" "111 111 444 333" "fields after the drag"
send_keys Return
expect_hidden_after "Return"
check_clipboard_crop "$source1" "$box" "Return"
log "Return: clipboard holds the ${box} crop exactly"

# --- Ctrl+S after typing the fields (an odd width pads the rows).
source2=$(picture detail 1600 900 2)
capture_picture "$source2"
type_into_field 5 $PH 201
type_into_field 7 $PH 103
type_into_field 9 $PH 333
type_into_field 11 $PH 217
expect_fields "201 103 333 217" "typed fields"
expect_saved "$source2" "201 103 333 217" "Ctrl+S" send_keys ctrl+s

# --- the two buttons (PW 1440: at PW - 150 and PW - 75).
source3=$(picture detail 1600 900 3)
capture_picture "$source3"
drag $(at 700 50) $(at 1000 700)
box=$(read_fields)
click_button $((PW - 150))
expect_hidden_after "Clipboard button"
check_clipboard_crop "$source3" "$box" "Clipboard button"
capture_picture "$source3"
drag $(at 20 30) $(at 620 330)
box=$(read_fields)
expect_saved "$source3" "$box" "Desktop button" click_button $((PW - 75))

# --- the export menu of a narrow capture (400 x 300: MenuButton at PW - 25).
NARROW_W=400 NARROW_H=300
source4=$(picture detail $NARROW_W $NARROW_H 4)
open_export_menu() {
    local before
    before=$(visible_windows)
    click_at $((CLIENT_X + NARROW_W - 25 + 10)) $((CLIENT_Y + NARROW_H + 21))
    MENU_ID=$(wait_for_new_window "$before" 10) || fail "no export menu after a click on MenuButton"
    read -r MENU_X MENU_Y MENU_W MENU_H <<<"$(window_geometry "$MENU_ID")"
}
choose_menu_item() { # index (0 = first)
    local item_h=$((MENU_H / 2))
    click_at $((MENU_X + MENU_W / 2)) $((MENU_Y + item_h * $1 + item_h / 2))
}
capture_picture "$source4"
expect_eq "$(helper read_control -i 12 3 1 | tr -d '\r' | cut -f1,2 | tr '\t\n' ': ')" "12:1 3:0 1:0 " \
    "visible MenuButton, hidden buttons on a 400-wide preview"
drag $(at 50 40) $(at 301 207)
box=$(read_fields)
expect_eq "$box" "50 40 251 167" "fields of the unscaled narrow capture"
open_export_menu
read -r _ _ outer_x outer_y _ <<<"$(helper read_control -i w | tr -d '\r')"
log "export menu at $MENU_X,$MENU_Y (outer corner $outer_x,$outer_y + MenuButton $((NARROW_W - 25)),$((NARROW_H + 11)))"
expect_eq "$MENU_X,$MENU_Y" "$((outer_x + NARROW_W - 25 + 21)),$((outer_y + NARROW_H + 11 + 42))" "export menu position"
[ "$MENU_H" -ge 30 ] && [ "$MENU_H" -lt 60 ] || fail "the export menu is $MENU_H pixels high; it should hold two items"
shot export-menu >/dev/null
choose_menu_item 0
expect_hidden_after "menu item Clipboard"
check_clipboard_crop "$source4" "$box" "menu item Clipboard"
capture_picture "$source4"
drag $(at 10 10) $(at 390 290)
box=$(read_fields)
open_export_menu
expect_saved "$source4" "$box" "menu item Desktop" choose_menu_item 1

# --- no selection: the message box, and the window stays.
capture_picture "$source1"
before_files=$(desktop_jpegs)
send_keys Return
box_id=$(wait_for_window "No selected area" 10) || fail "no 'No selected area' message box for Return without a selection"
texts=$(helper read_control -t "No selected area" -i all | tr -d '\r' | cut -f7)
grep -qx "There is no selected area. Please select the wanted area" <<<"$texts" ||
    fail "message box text: '$texts'"
shot no-selection >/dev/null
step 10 xdotool windowfocus "$box_id" 2>/dev/null
step 10 xdotool key Return
wait_for_window_gone "No selected area" 10 || fail "the message box did not close on Return"
window_visible "Select the wanted area" || fail "the window was hidden after the refused export"
send_keys ctrl+s
wait_for_window "No selected area" 10 >/dev/null || fail "no 'No selected area' message box for Ctrl+S without a selection"
step 10 xdotool key Return
wait_for_window_gone "No selected area" 10 || fail "the message box did not close on Return"
expect_eq "$(desktop_jpegs)" "$before_files" "files after a refused save"

# --- Escape with a selection clears it; the second Escape hides.
drag $(at 100 100) $(at 300 300)
send_keys Escape
expect_fields "0 0 0 0" "fields after Escape with a selection"
sleep 0.5
window_visible "Select the wanted area" || fail "Escape with a selection hid the window"
send_keys Escape
expect_hidden_after "second Escape"
log "clipboard and JPEG exports by keys, buttons and menu, the refusal and Escape all as expected"
