#!/bin/bash
# Takes the README's screenshots of the capture window: the real corvane.exe
# under Wine on a private Xvfb display (the end-to-end harness), fed a made-up
# desktop picture on the clipboard at the Print Screen press. Writes
# docs/capture-veiled.png, docs/capture-selection.png and
# docs/capture-narrow.png; the work folder is build/pictures.
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CORVANE_BUILD:-$root/build}

CORVANE_BUILD=$build bash "$root/scripts/build-exe.sh" >/dev/null ||
    { echo "readme_pictures: cannot build corvane.exe" >&2; exit 1; }

export CORVANE_EXE=$build/mingw/corvane.exe
export CORVANE_E2E_WORK=$build/pictures
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"

DOCS=$root/docs
SHOTS=$root/scripts/readme_shots.py
# shellcheck source=offered_capture.sh
source "$root/scripts/offered_capture.sh"
mkdir -p "$DOCS"
setup
start_resident

# Screen point of a canvas point.
at() { echo $((CLIENT_X + $1)) $((CLIENT_Y + $2)); }

# The client area of the capture window, cut out of a fresh screenshot.
save_window_shot() { # out.png [extra X Y W H]
    local out=$1 screen
    shift
    sleep 0.6
    screen=$LOG_DIR/screen-$(basename "$out")
    screenshot "$screen"
    "$PY" "$SHOTS" cutout "$screen" "$out" 1440 "$CLIENT_X" "$CLIENT_Y" "$CLIENT_W" "$CLIENT_H" "$@" ||
        fail "cannot cut $out"
    log "wrote $out ($(stat -c %s "$out") bytes)"
}

desktop=$PICS/desktop-1920x1080.bmp
"$PY" "$root/scripts/fake_desktop.py" 1920 1080 "$desktop" || fail "cannot draw the desktop picture"
narrow=$PICS/desktop-crop-400x300.bmp
step 30 convert "$desktop" -crop 400x300+560+640 +repage "BMP3:$narrow" || fail "cannot cut the narrow picture"

# A fresh capture: the whole preview veiled, the fields at zero.
capture_offered "$desktop"
step 10 xdotool mousemove --sync 5 1075
save_window_shot "$DOCS/capture-veiled.png"

# A selection drawn around the chart window, its handles, the fields.
# shellcheck disable=SC2046
drag $(at 664 166) $(at 1350 580) 12
log "fields after the drag: $(read_fields)"
save_window_shot "$DOCS/capture-selection.png"
close_capture_window

# A narrow capture: MenuButton in place of the two buttons, its menu open.
capture_offered "$narrow"
# shellcheck disable=SC2046
drag $(at 24 66) $(at 372 196) 10
log "fields of the narrow capture: $(read_fields)"
before=$(visible_windows)
click_at $((CLIENT_X + PW - 25 + 10)) $((CLIENT_Y + PH + 21))
menu_id=$(wait_for_new_window "$before" 10) || fail "no export menu after a click on MenuButton"
read -r menu_x menu_y menu_w menu_h <<<"$(window_geometry "$menu_id")"
step 10 xdotool mousemove --sync $((menu_x + menu_w / 2)) $((menu_y + menu_h / 4))
save_window_shot "$DOCS/capture-narrow.png" "$menu_x" "$menu_y" "$menu_w" "$menu_h"
step 10 xdotool key Escape
log "pictures in $DOCS"
