#!/bin/bash
# Manual check of the Win32 system services under Wine on a private Xvfb:
# builds system_probe.exe with mingw-w64, runs each subcommand in a fresh
# Wine prefix and compares what it reports with the X side (xclip, import).
# Prints one PASS/FAIL line per check; the exit code is the number of failures.
# Usage: tests/win32/run_probe.sh [display-number]   (default 78)
set -u
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
DISPLAY_NUMBER=${1:-78}
SCREEN_W=1280
SCREEN_H=1024
WORK=$(mktemp -d /tmp/corvane-probe.XXXXXX)
PY=/usr/bin/python3  # the one with Pillow
export DISPLAY=:$DISPLAY_NUMBER WINEPREFIX=$WORK/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
BACKGROUND_PIDS=()
FAILURES=0

cleanup() {
    for pid in "${BACKGROUND_PIDS[@]}"; do kill "$pid" 2>/dev/null; done
    wineserver -k 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

check() {  # name, then a command that succeeds when the check passes
    local name=$1
    shift
    if "$@"; then echo "PASS $name"; else echo "FAIL $name"; FAILURES=$((FAILURES + 1)); fi
}
# The Wine console ends lines with CR LF; output is compared without the CR.
has_line() { tr -d '\r' <"$1" | grep -qxF -- "$2"; }
wait_for_line() {  # file, line: up to 20 s
    for _ in $(seq 200); do has_line "$1" "$2" && return 0; sleep 0.1; done
    return 1
}

echo "building in $WORK"
x86_64-w64-mingw32-g++ -std=c++20 -DUNICODE -D_UNICODE -DWIN32_LEAN_AND_MEAN -DNOMINMAX -I"$ROOT" \
    -Wall -Wextra -Wpedantic -Wshadow -O1 -static \
    "$ROOT/tests/win32/system_probe.cpp" "$ROOT/toolkit/image.cpp" \
    "$ROOT"/toolkit/win32/{win32_system,win32_files,clipboard,screen_grab,icon,text}.cpp \
    -lgdi32 -luser32 -ladvapi32 -o "$WORK/system_probe.exe" || exit 100

if [ -e "/tmp/.X$DISPLAY_NUMBER-lock" ]; then
    echo "display :$DISPLAY_NUMBER is in use; pass another number" >&2
    exit 102
fi
Xvfb ":$DISPLAY_NUMBER" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
sleep 1
kill -0 "$XVFB_PID" 2>/dev/null || { cat "$WORK/xvfb.log" >&2; exit 103; }
wineboot -i >/dev/null 2>&1 || exit 101
probe() { wine "$WORK/system_probe.exe" "$@"; }
WORK_WIN=$(winepath -w "$WORK")

# --- single instance: a second process sees ERROR_ALREADY_EXISTS (183)
probe mutex 4000 >"$WORK/mutex1.txt" &
BACKGROUND_PIDS+=($!)
check "first mutex is new" wait_for_line "$WORK/mutex1.txt" "mutex_last_error: 0"
probe mutex >"$WORK/mutex2.txt"
check "second mutex gets a handle" has_line "$WORK/mutex2.txt" "mutex_handle: 1"
check "second mutex reports 183" has_line "$WORK/mutex2.txt" "mutex_last_error: 183"
wait "${BACKGROUND_PIDS[-1]}"
probe mutex >"$WORK/mutex3.txt"
check "mutex is new again after the first closed it" has_line "$WORK/mutex3.txt" "mutex_last_error: 0"

# --- display, folders, clock
probe display >"$WORK/display.txt"
check "display size is the X screen" has_line "$WORK/display.txt" "display: ${SCREEN_W}x${SCREEN_H}"
(cd / && probe folders) >"$WORK/folders.txt"
check "desktop folder is the Wine user's" has_line "$WORK/folders.txt" "desktop: C:\\users\\$(whoami)\\Desktop"
check "current directory is the program's folder" has_line "$WORK/folders.txt" "current_directory: $WORK_WIN"
check "clock reads today" has_line "$WORK/folders.txt" "clock: $(date +%Y-%m-%d) $(tr -d '\r' <"$WORK/folders.txt" | grep '^clock' | grep -o '[0-9:]*$')"
check "snipping setting is off when absent" has_line "$WORK/folders.txt" "snipping: 0"
wine reg add 'HKCU\Control Panel\Keyboard' /v PrintScreenKeyForSnippingEnabled /t REG_DWORD /d 1 /f >/dev/null 2>&1
probe folders >"$WORK/folders2.txt"
check "snipping setting is read when 1" has_line "$WORK/folders2.txt" "snipping: 1"

# --- files: create new, refuse existing, move without replace, remove
probe files "$WORK_WIN" >"$WORK/files.txt"
for line in "create_new: yes" "create_existing: no (File exists.)" "exists_first: yes" "move_new: yes" \
            "move_onto_existing: no (File already exists.)" "remove_first: yes" "remove_second: yes" \
            "remove_missing: no (File not found.)" "exists_second_after_remove: no (File not found.)"; do
    check "files: $line" has_line "$WORK/files.txt" "$line"
done
probe create "$WORK_WIN" >/dev/null
check "a UTF-8 file name arrives intact" test "$(cat "$WORK/probe ☃ α.txt" 2>/dev/null)" = probe

# --- Print Screen mark
probe print-screen >"$WORK/print.txt"
check "no Print Screen mark before the press" has_line "$WORK/print.txt" "print_before: 0"
check "Print Screen mark after the press" has_line "$WORK/print.txt" "print_after_press: 1"
check "the query clears the mark" has_line "$WORK/print.txt" "print_second_query: 0"

# --- icon
probe icon >"$WORK/icon.txt"
check "icon from a 24x16 picture" has_line "$WORK/icon.txt" "icon: yes 24x16 32bpp"
check "no icon from an empty picture" has_line "$WORK/icon.txt" "icon_from_empty: no"

# Under Wine the clipboard's content ends with the last Wine process of the
# session, so one stays alive while the clipboard is checked.
probe idle 120000 >/dev/null &
BACKGROUND_PIDS+=($!)

# --- clipboard in: X puts a BMP, the probe reads CF_DIB
$PY - "$WORK/in.bmp" <<'PYEOF'
import sys
from PIL import Image
im = Image.new('RGB', (7, 5))
for y in range(5):
    for x in range(7):
        im.putpixel((x, y), (30 * x, 40 * y, 200 - 20 * x))
im.save(sys.argv[1])
PYEOF
xclip -selection clipboard -t image/bmp -i "$WORK/in.bmp" &
BACKGROUND_PIDS+=($!)
sleep 0.5
probe clip-read "$WORK/clip.dib" >"$WORK/clipread.txt"
tr -d '\r' <"$WORK/clipread.txt" | sed 's/^/    /'
check "clipboard DIB read" grep -q "^clip_read: [0-9]* bytes" "$WORK/clipread.txt"
check "clipboard DIB pixels are the X picture's" $PY - "$WORK/clip.dib" "$WORK/in.bmp" <<'PYEOF'
import struct, sys
from PIL import Image
block = open(sys.argv[1], 'rb').read()
size, width, height, planes, bits, compression = struct.unpack_from('<IiiHHI', block)
masks = 12 if compression == 3 and size == 40 else 0
stride = (bits * width + 31) // 32 * 4
pixels = block[size + masks:]
source = Image.open(sys.argv[2]).convert('RGB')
for y in range(abs(height)):
    stored = abs(height) - 1 - y if height > 0 else y
    for x in range(width):
        at = stored * stride + x * (bits // 8)
        b, g, r = pixels[at:at + 3]
        if (r, g, b) != source.getpixel((x, y)):
            sys.exit(1)
PYEOF
kill "${BACKGROUND_PIDS[-1]}" 2>/dev/null

# --- clipboard out: the probe writes a 5x3 DIB (padded rows), X reads image/bmp
expect_pattern() {  # bmp file, width, height
    $PY - "$@" <<'PYEOF'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert('RGB')
w, h = int(sys.argv[2]), int(sys.argv[3])
if im.size != (w, h):
    sys.exit(1)
for y in range(h):
    for x in range(w):
        if im.getpixel((x, y)) != ((40 * x + 1) % 256, (50 * y + 2) % 256, (7 * x + 11 * y + 3) % 256):
            sys.exit(1)
PYEOF
}
probe clip-write 5 3 >"$WORK/clipwrite.txt"
check "clipboard write succeeds" has_line "$WORK/clipwrite.txt" "clip_write: yes"
check "clipboard write counts as a change" has_line "$WORK/clipwrite.txt" "sequence_changed: 1"
timeout 5 xclip -selection clipboard -t image/bmp -o >"$WORK/out.bmp"
check "X reads the written picture back" expect_pattern "$WORK/out.bmp" 5 3

# --- clipboard held open by another process: the write fails, nothing changes
probe hold-clipboard 4000 >"$WORK/hold.txt" &
BACKGROUND_PIDS+=($!)
check "another process holds the clipboard" wait_for_line "$WORK/hold.txt" "holding: 1"
probe clip-write 4 4 >"$WORK/clipheld.txt"
check "write to a held clipboard fails" has_line "$WORK/clipheld.txt" "clip_write: no"
check "write to a held clipboard changes nothing" has_line "$WORK/clipheld.txt" "sequence_changed: 0"
wait "${BACKGROUND_PIDS[-1]}"
timeout 5 xclip -selection clipboard -t image/bmp -o >"$WORK/out2.bmp"
check "the earlier picture is still there" expect_pattern "$WORK/out2.bmp" 5 3

# --- screen grab: an X window with a pattern, compared with import
$PY - "$WORK/pattern.png" <<'PYEOF'
import sys
from PIL import Image
im = Image.new('RGB', (400, 300))
px = im.load()
for y in range(300):
    for x in range(400):
        px[x, y] = ((x * 255) // 399, (y * 255) // 299, ((x // 50 + y // 50) % 2) * 200 + 20)
im.save(sys.argv[1])
PYEOF
display -geometry +200+150 "$WORK/pattern.png" &
BACKGROUND_PIDS+=($!)
sleep 2
probe grab "$WORK/grab.bmp" >"$WORK/grab.txt"
import -window root "$WORK/root.png"
check "grab covers the screen" has_line "$WORK/grab.txt" "grab: ${SCREEN_W}x${SCREEN_H}"
check "grab pixels equal the X screen's" $PY - "$WORK/grab.bmp" "$WORK/root.png" <<'PYEOF'
import sys
from PIL import Image
grab = Image.open(sys.argv[1]).convert('RGB')
root = Image.open(sys.argv[2]).convert('RGB')
if grab.size != root.size:
    sys.exit(1)
# The pattern must be on screen, or the comparison proves nothing.
if root.getpixel((300, 200)) == root.getpixel((0, 0)):
    sys.exit(1)
w, h = grab.size
diff = sum(grab.getpixel((x, y)) != root.getpixel((x, y)) for y in range(0, h, 3) for x in range(0, w, 3))
sys.exit(1 if diff else 0)
PYEOF
kill "${BACKGROUND_PIDS[-1]}" 2>/dev/null

echo "$FAILURES failure(s)"
exit "$FAILURES"
