#!/bin/bash
# Soak: many capture-select-export cycles in one run of the program, every
# export checked, the resource figures of the process read after each cycle.
# Saves whose name is taken get " (2)", " (3)" and leave the old file alone.
# Fails when GDI or USER objects or memory keep growing.
# CORVANE_SOAK_CYCLES sets the number of cycles (default 20).
source "$(dirname "$0")/lib.sh"
CYCLES=${CORVANE_SOAK_CYCLES:-20}
CORVANE_E2E_TIMEOUT=${CORVANE_E2E_TIMEOUT:-$((120 + CYCLES * 25))}
setup
start_resident
init_desktop

at() { echo $((CLIENT_X + $1)) $((CLIENT_Y + $2)); }

# Prints "gdi user private working rss_kb" of the program.
stats() {
    local line pid rss
    line=$(helper proc_stats corvane.exe | tr -d '\r') || fail "proc_stats failed"
    pid=$(corvane_unix_pid)
    rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status" 2>/dev/null)
    sed 's/.*gdi=\([-0-9]*\) user=\([0-9]*\) private=\([0-9]*\) working=\([0-9]*\).*/\1 \2 \3 \4/' <<<"$line" |
        tr -d '\n'
    echo " ${rss:-0}"
}

# Names "DD_MM_YYYY - HH.MM.SS" for the seconds around now.
# The clock is read once: read per name, a second boundary would skip a name.
names_around_now() {
    local offset now
    now=$(date +%s)
    for offset in $(seq -3 20); do
        date -d "@$((now + offset))" '+%d_%m_%Y - %H.%M.%S'
    done
}

read -r gdi0 user0 private0 working0 rss0 <<<"$(stats)"
log "before the first cycle: gdi $gdi0, user $user0, private $private0, working set $working0, rss ${rss0} kB"
for cycle in $(seq 1 "$CYCLES"); do
    source_pic=$(picture detail 800 600 "$cycle")
    capture_picture "$source_pic"
    x=$((20 + cycle * 37 % 300)) y=$((20 + cycle * 53 % 200))
    w=$((100 + cycle * 71 % 300)) h=$((80 + cycle * 29 % 200))
    drag $(at $x $y) $(at $((x + w)) $((y + h))) 4
    expect_fields "$x $y $w $h" "cycle $cycle: fields after the drag"
    if [ $((cycle % 2)) -eq 1 ]; then
        send_keys Return
        wait_for_window_gone "Select the wanted area" 10 || fail "cycle $cycle: Return did not hide the window"
        check_clipboard_crop "$source_pic" "$x $y $w $h" "cycle $cycle"
    else
        # Every second save finds its name taken (and every fourth its " (2)"
        # name too): it must not replace those files.
        placeholders=()
        suffix=""
        if [ $((cycle % 4)) -eq 2 ]; then suffix=" (2)"; else suffix=" (3)"; fi
        while read -r name; do
            placeholders+=("$DESKTOP_DIR/$name.jpg")
            [ "$suffix" = " (3)" ] && placeholders+=("$DESKTOP_DIR/$name (2).jpg")
        done <<<"$(names_around_now)"
        for file in "${placeholders[@]}"; do echo "placeholder" >"$file"; done
        [ "${#placeholders[@]}" -ge 24 ] && ls "${placeholders[@]}" >/dev/null ||
            fail "cycle $cycle: could not make the ${#placeholders[@]} placeholder files"
        before=$(desktop_jpegs)
        start=$(date +%s)
        send_keys ctrl+s
        wait_for_window_gone "Select the wanted area" 10 || fail "cycle $cycle: Ctrl+S did not hide the window"
        name=$(wait_new_jpegs "$before" 1 10) || fail "cycle $cycle: no new JPEG (placeholders for the names of the next seconds were there)"
        [[ $name == *"$suffix.jpg" ]] ||
            fail "cycle $cycle: saved as '$name', expected a name ending in '$suffix.jpg'; desktop folder now:"$'\n'"$(ls -la --time-style=+%T "$DESKTOP_DIR")"
        check_jpeg_name "$name" "$start" "$(date +%s)"
        check_jpeg "$DESKTOP_DIR/$name" "$source_pic" "$x $y $w $h"
        for file in "${placeholders[@]}"; do
            [ "$(cat "$file")" = placeholder ] || fail "cycle $cycle: the save replaced $(basename "$file")"
        done
        rm -f "${placeholders[@]}"
    fi
    check_alive
    read -r gdi user private working rss <<<"$(stats)"
    echo "$cycle $gdi $user $private $working $rss" >>"$LOG_DIR/stats.txt"
    if [ "$cycle" -eq 1 ]; then
        read -r gdi1 user1 private1 working1 rss1 <<<"$gdi $user $private $working $rss"
    fi
    log "cycle $cycle: gdi $gdi, user $user, private $private, working set $working, rss $rss kB"
done

log "first cycle: gdi $gdi1, user $user1, working set $working1, rss $rss1 kB;" \
    "last: gdi $gdi, user $user, working set $working, rss $rss kB"
[ "$gdi1" -ge 0 ] || fail "no GDI object count available"
[ "$gdi" -le $((gdi1 + 10)) ] || fail "GDI objects grew from $gdi1 to $gdi over $CYCLES cycles"
[ "$user" -le $((user1 + 5)) ] || fail "USER objects grew from $user1 to $user over $CYCLES cycles"
[ "$rss" -le $((rss1 + 20480)) ] || fail "resident memory grew from $rss1 kB to $rss kB over $CYCLES cycles"
[ "$working" -le $((working1 + 20971520)) ] || fail "working set grew from $working1 to $working over $CYCLES cycles"
log "$CYCLES cycles exported correctly; resources stayed flat"
