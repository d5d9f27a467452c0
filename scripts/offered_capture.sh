# Capture steps shared by readme_pictures.sh and idle_cost.sh, sourced after
# tests/e2e/lib.sh: Print Screen with a picture offered on the clipboard,
# repeated until the capture window really shows that picture, and closing
# the window again. Needs SHOTS (the path of readme_shots.py).

# Escape until the window is gone: the first one may only clear the selection.
close_capture_window() {
    local tries id
    for tries in 1 2 3; do
        id=$(find_window "Select the wanted area" --onlyvisible)
        [ -n "$id" ] || return 0
        step 10 xdotool windowfocus --sync "$id" 2>/dev/null
        step 10 xdotool key Escape
        wait_for_window_gone "Select the wanted area" 2 && return 0
    done
    fail "the capture window does not close on Escape"
}

# The X clipboard reaches Wine with some lag, and a press whose picture comes
# too late makes the program copy the screen instead; so check the canvas and
# press again when it shows something else. Leaves PW and PH set.
capture_offered() { # picture.bmp
    local attempt result
    for attempt in 1 2 3 4 5 6; do
        press_print_screen_offering "$1"
        if wait_capture 20; then
            PW=$CLIENT_W PH=$((CLIENT_H - 36))
            sleep 0.5
            screenshot "$LOG_DIR/check.png" quiet
            if result=$("$PY" "$SHOTS" shows "$LOG_DIR/check.png" "$1" "$CLIENT_X" "$CLIENT_Y" "$PW" "$PH"); then
                log "capture of $(basename "$1") shown as ${PW}x$PH ($result, attempt $attempt)"
                return 0
            fi
            log "attempt $attempt: the window shows another picture ($result); pressing again"
        else
            log "attempt $attempt: no capture window"
        fi
        close_capture_window
        sleep 1
    done
    fail "the offered picture $(basename "$1") was never taken"
}
