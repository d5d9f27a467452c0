#!/bin/bash
# Mouse and keyboard editing on the canvas with real pointer input: drawing a
# rectangle, pulling a corner handle, moving it, nudging it with the arrow
# keys, a move stopped at the preview's edge with the pointer held inside the
# canvas, a reversed draw, and a free pointer after each release. Each step is
# checked on the canvas (preview pixels) and in the four fields (full
# resolution: preview * 1600 / 1440 and * 900 / 810, truncated).
source "$(dirname "$0")/lib.sh"
setup
start_resident

PW=1440 PH=810 CAP_W=1600 CAP_H=900
capture_picture "$(picture uniform $CAP_W $CAP_H)"
expect_fields "0 0 0 0" "fields after a capture"

# Checks the canvas and the fields for the preview rectangle x y w h.
expect_selection() { # x y w h what
    expect_canvas $PW $PH "$1 $2 $3 $4 1 1" "$5"
    expect_fields "$(($1 * CAP_W / PW)) $(($2 * CAP_H / PH)) $(($3 * CAP_W / PW)) $(($4 * CAP_H / PH))" "$5"
    # The top-left handle: white inside, black border, 3 pixels out.
    local inside border
    inside=$(pix pixel "$LOG_DIR/canvas.png" $((CLIENT_X + $1 - 2)) $((CLIENT_Y + $2 - 2)))
    border=$(pix pixel "$LOG_DIR/canvas.png" $((CLIENT_X + $1 - 3)) $((CLIENT_Y + $2 - 3)))
    [ "$1" -ge 3 ] && [ "$2" -ge 3 ] || return 0
    expect_eq "$inside/$border" "255 255 255/0 0 0" "$5: top-left handle"
}

# Screen point of a canvas point.
at() { echo $((CLIENT_X + $1)) $((CLIENT_Y + $2)); }

# shellcheck disable=SC2046
expect_pointer_free() { # what
    step 10 xdotool mousemove --sync 1900 1060
    expect_eq "$(pointer_location)" "1900 1060" "$1: pointer after the release"
}

# Draw: press at (100, 100), release at (500, 400).
drag $(at 100 100) $(at 500 400)
expect_selection 100 100 400 300 "drawn rectangle"
shot drawn >/dev/null
expect_pointer_free "draw"

# The bottom-right handle sits on the last pixel (499, 399); its anchor is (100, 100).
drag $(at 499 399) $(at 600 500)
expect_selection 100 100 500 400 "bottom-right handle pulled"

# Move: grab inside at (300, 300), move by (50, 30).
drag $(at 300 300) $(at 350 330)
expect_selection 150 130 500 400 "moved rectangle"

# Arrow keys move it by one preview pixel each.
send_keys Right Right Right Down Down
expect_selection 153 132 500 400 "nudged rectangle"
send_keys Left
expect_selection 152 132 500 400 "nudged back left"

# A move towards the far corner and beyond the canvas: the pointer stays in
# the canvas and the rectangle stops at (PW - 500, PH - 400).
step 10 xdotool mousemove --sync $(at 398 330)
sleep 0.1
step 10 xdotool mousemove --sync $(at 400 330)
sleep 0.1
step 10 xdotool mousedown 1
sleep 0.15
for point in "700 500" "1100 700" "1439 809" "1700 1000"; do
    # shellcheck disable=SC2086
    step 10 xdotool mousemove $(at $point)
    sleep 0.1
done
sleep 0.2
read -r px py <<<"$(pointer_location)"
step 10 xdotool mouseup 1
sleep 0.3
[ "$px" -le $((CLIENT_X + PW - 1)) ] && [ "$py" -le $((CLIENT_Y + PH - 1)) ] ||
    fail "the pointer left the canvas during a drag: at $px,$py, canvas ends at $((CLIENT_X + PW - 1)),$((CLIENT_Y + PH - 1))"
expect_selection $((PW - 500)) $((PH - 400)) 500 400 "move stopped at the edge"
expect_pointer_free "move to the edge"

# A press outside every band draws anew; dragging up-left of the press point
# gives the normalised rectangle between pointer and press point.
drag $(at 300 200) $(at 200 100)
expect_selection 200 100 100 100 "reversed draw"
shot reversed >/dev/null
expect_pointer_free "reversed draw"
check_alive
log "draw, handle, move, nudge, edge stop, confinement and reversed draw all as expected"
