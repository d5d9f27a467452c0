#!/bin/bash
# Start-up and shut-down: the program shows only its tray icon, a second copy
# ends at once with code 0 and leaves the first alone, both mouse buttons on
# the icon open the tray menu, and its one item ends the program with code 0
# and takes the icon away.
source "$(dirname "$0")/lib.sh"
setup

start_resident
shot resident >/dev/null
window_visible "Select the wanted area" && fail "the capture window is visible before any Print Screen"

start_corvane second
code=$(corvane_exit_code second 30) || fail "a second copy did not end within 30 s"
expect_eq "$code" 0 "exit code of the second copy"
sleep 1
check_alive
tray_has_icon || fail "the first copy's tray icon is gone after the second copy ran"
window_visible "Select the wanted area" && fail "the second copy made the capture window visible"

# Right button: the menu opens at the cursor; Escape or a click elsewhere
# closes it without ending the program.
open_tray_menu 3
shot tray-menu-right >/dev/null
[ "$MENU_X" -ge $((TRAY_X - 2)) ] && [ "$MENU_X" -le $((TRAY_X + TRAY_W)) ] ||
    fail "the tray menu is not at the cursor (x $MENU_X)"
step 10 xdotool key Escape
if ! wait_until 3 bash -c '! xwininfo -id "$0" 2>/dev/null | grep -q IsViewable' "$MENU_ID"; then
    log "Escape did not close the menu; clicking elsewhere"
    click_at 900 700
    wait_until 5 bash -c '! xwininfo -id "$0" 2>/dev/null | grep -q IsViewable' "$MENU_ID" ||
        fail "the tray menu does not close on Escape or a click elsewhere"
fi
sleep 0.5
check_alive

# Left button: the same menu; its first item is "Exit".
open_tray_menu 1
shot tray-menu-left >/dev/null
# One item of the default menu font is about 20 pixels high.
[ "$MENU_H" -lt 30 ] || fail "the tray menu is $MENU_H pixels high; it should hold one item"
click_at $((MENU_X + MENU_W / 2)) $((MENU_Y + 10))
code=$(corvane_exit_code corvane 20) || fail "the program did not end after a click on the first tray menu item"
expect_eq "$code" 0 "exit code after Exit"
# Wine hides its tray window when its last icon goes.
wait_until 10 bash -c '! xdotool search --onlyvisible --name "^Wine System Tray\$" >/dev/null' ||
    fail "the tray icon is still shown after Exit"
shot after-exit >/dev/null
log "the second copy ended with 0, both buttons opened the tray menu, Exit ended with 0"
