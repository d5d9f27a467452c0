#!/bin/bash
# What the resident program costs while nobody uses it, under Wine on a
# private Xvfb display: the CPU time of the corvane.exe process (and of the
# wineserver beside it) over a minute of idling in the tray and a minute with
# a 3840 x 2160 capture shown, and its memory in both states (the Windows
# private bytes and working set, and the Linux resident figures).
set -u
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CORVANE_BUILD:-$root/build}
IDLE_SECONDS=${CORVANE_IDLE_SECONDS:-60}

CORVANE_BUILD=$build bash "$root/scripts/build-exe.sh" >/dev/null ||
    { echo "idle_cost: cannot build corvane.exe" >&2; exit 1; }

export CORVANE_EXE=$build/mingw/corvane.exe
export CORVANE_E2E_WORK=$build/idle-cost
export CORVANE_E2E_TIMEOUT=$((IDLE_SECONDS * 2 + 300))
# shellcheck source=../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
SHOTS=$root/scripts/readme_shots.py
# shellcheck source=offered_capture.sh
source "$root/scripts/offered_capture.sh"
TICKS=$(getconf CLK_TCK)

# The Linux process that runs corvane.exe: the wrapper's descendant whose
# command line names the exe.
exe_pid() {
    local pid queue=${CORVANE_PIDS[corvane]}
    while [ -n "$queue" ]; do
        read -r pid queue <<<"$queue"
        if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qi 'corvane\.exe'; then
            echo "$pid"
            return 0
        fi
        queue="$queue $(pgrep -P "$pid" | tr '\n' ' ')"
        queue=${queue# }
    done
    return 1
}

# The wineserver of this prefix: it works in a folder named after the
# prefix's device and inode numbers.
server_pid() {
    local pid suffix
    suffix=$(stat -c 'server-%d-%i' "$WINEPREFIX" | awk -F- '{printf "server-%x-%x", $2, $3}')
    for pid in $(pgrep wineserver); do
        case "$(readlink "/proc/$pid/cwd")" in
            */"$suffix") echo "$pid"; return 0 ;;
        esac
    done
    return 1
}

cpu_ticks() { # pid: utime + stime of all its threads
    # The command name in field 2 may hold spaces: count from after its ')'.
    sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'
}

status_kb() { # pid field
    awk -v field="$2:" '$1 == field {print $2}' "/proc/$1/status"
}

mib() { # bytes or kB and the unit
    awk -v v="$1" -v unit="$2" 'BEGIN {printf "%.1f", unit == "kB" ? v / 1024 : v / 1048576}'
}

# Prints one line of CPU figures for a quiet spell of IDLE_SECONDS.
measure_cpu() { # what
    local server_pid before server_before after server_after
    server_pid=$(server_pid) || fail "cannot find the wineserver of $WINEPREFIX"
    before=$(cpu_ticks "$PID")
    server_before=$(cpu_ticks "$server_pid")
    sleep "$IDLE_SECONDS"
    check_alive
    after=$(cpu_ticks "$PID")
    server_after=$(cpu_ticks "$server_pid")
    awk -v what="$1" -v s="$IDLE_SECONDS" -v t="$TICKS" -v p=$((after - before)) -v w=$((server_after - server_before)) \
        'BEGIN {printf "%s: corvane.exe %.2f s CPU in %d s (%.2f %%), wineserver %.2f s (%.2f %%)\n",
                what, p / t, s, 100 * p / t / s, w / t, 100 * w / t / s}'
}

measure_memory() { # what
    local stats private working
    stats=$(helper proc_stats corvane.exe | tr -d '\r') || fail "proc_stats failed"
    private=$(sed -n 's/.*private=\([0-9]*\).*/\1/p' <<<"$stats")
    working=$(sed -n 's/.*working=\([0-9]*\).*/\1/p' <<<"$stats")
    # Wine 8 reports no private bytes for another process (0).
    if [ "${private:-0}" -gt 0 ]; then private="$(mib "$private" B) MiB"; else private="not reported (0)"; fi
    echo "$1: private bytes $private, working set $(mib "$working" B) MiB;" \
        "Linux VmRSS $(mib "$(status_kb "$PID" VmRSS)" kB) MiB, RssAnon $(mib "$(status_kb "$PID" RssAnon)" kB) MiB" \
        "($stats)"
}

setup
start_resident
PID=$(exe_pid) || fail "cannot find the Linux process of corvane.exe"
log "corvane.exe runs as Linux pid $PID; $TICKS clock ticks a second"
picture4k=$PICS/desktop-3840x2160.bmp
"$PY" "$root/scripts/fake_desktop.py" 3840 2160 "$picture4k" || fail "cannot draw the 4K picture"
# Let the start-up and the first helper runs settle before counting.
sleep 5

results=()
results+=("$(measure_cpu "In the tray, idle")")
results+=("$(measure_memory "In the tray")")
capture_offered "$picture4k"
step 10 xdotool mousemove --sync 5 1075
sleep 3
results+=("$(measure_cpu "Capture window shown (3840x2160), idle")")
results+=("$(measure_memory "Capture window shown (3840x2160)")")
close_capture_window
sleep 2
results+=("$(measure_memory "After the window closed")")
# Wine keeps the last clipboard block it handed to the program in the
# program's memory until it hands out the next one: a small capture shows
# how much of the figure above is that block.
small=$PICS/desktop-400x225.bmp
step 30 convert "$picture4k" -resize 400x225 "BMP3:$small" || fail "cannot make the small picture"
capture_offered "$small"
close_capture_window
sleep 2
results+=("$(measure_memory "After a further 400x225 capture, closed")")

echo "Machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*:[[:space:]]*//p' /proc/cpuinfo | head -n 1)," \
    "$(wine --version 2>/dev/null), $(date '+%Y-%m-%d %H:%M %Z')"
printf '%s\n' "${results[@]}"
