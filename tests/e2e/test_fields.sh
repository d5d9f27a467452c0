#!/bin/bash
# The coordinate fields: typed and stepped full-resolution values move the
# selection drawn on the preview (unveiled inside, black frame), an X that
# leaves no room for the width gives way, text that is no number is put back,
# and a width of 0 leaves the whole preview veiled.
source "$(dirname "$0")/lib.sh"
setup
start_resident

# 1600 x 900 shown as 1440 x 810: preview = field * 9 / 10, truncated.
PW=1440 PH=810
capture_picture "$(picture uniform 1600 900)"
expect_fields "0 0 0 0" "fields after a capture"
expect_canvas $PW $PH "none 1" "canvas after a capture"

type_into_field 5 $PH 400
expect_fields "400 0 0 0" "after typing X"
type_into_field 7 $PH 300
type_into_field 9 $PH 800
type_into_field 11 $PH 450
expect_fields "400 300 800 450" "after typing all four"
expect_canvas $PW $PH "360 270 720 405 1 1" "selection from the fields"
shot typed-fields >/dev/null

# Two steps up on X: 402 -> 361.8 -> x 361; Down in the box: 401 -> x 360.
click_field_arrow 5 $PH 1
click_field_arrow 5 $PH 1
expect_fields "402 300 800 450" "after two up-arrow clicks on X"
expect_canvas $PW $PH "361 270 720 405 1 1" "selection after the up arrows"
click_at $(field_point 5 $PH)
step 10 xdotool key Down
expect_fields "401 300 800 450" "after Down in X"
expect_canvas $PW $PH "360 270 720 405 1 1" "selection after Down"
click_field_arrow 11 $PH -1
expect_fields "401 300 800 449" "after the down arrow of H"
expect_canvas $PW $PH "360 270 720 404 1 1" "selection after the down arrow of H"

# X 1500 with W 800 leaves no room: X gives way to 1600 - 800 = 800.
type_into_field 5 $PH 1500
expect_fields "800 300 800 449" "X clamped against the width"
expect_canvas $PW $PH "720 270 720 404 1 1" "selection touching the right edge"

# A letter is not a number: the text goes back to the value.
type_into_field 7 $PH x
expect_fields "800 300 800 449" "after typing a letter into Y"
check_alive

# A width of 0: the fields keep it, the whole preview is veiled.
type_into_field 9 $PH 0
expect_fields "800 300 0 449" "after typing width 0"
expect_canvas $PW $PH "none 1" "canvas with width 0"
shot width-zero >/dev/null
check_alive
log "typed, stepped, clamped and rejected field values all as expected"
