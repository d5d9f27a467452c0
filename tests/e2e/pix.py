"""Picture tools of the end-to-end tests: makes the test pictures, reads
pixels out of screenshots, finds the drawn selection on the canvas and
compares exported crops with the source picture. Run with /usr/bin/python3
(Debian's Pillow). Each subcommand prints its findings on stdout and exits
non-zero when a comparison fails."""

import struct
import sys

from PIL import Image

# Gray of the "uniform" picture and the colour the 200/255 white veil makes
# of it: (55 * 128 + 51000) // 255.
UNIFORM_GRAY = 128
VEILED_GRAY = (55 * UNIFORM_GRAY + 51000) // 255

BAND_COLOURS = [(0, 0, 0), (255, 255, 255), (255, 0, 0), (100, 100, 100)]


def veiled(colour):
    return tuple((55 * c + 51000) // 255 for c in colour)


def make_bands(width, height):
    """Four vertical bands of flat colour, equally wide."""
    picture = Image.new("RGB", (width, height))
    for index, colour in enumerate(BAND_COLOURS):
        left = width * index // 4
        right = width * (index + 1) // 4
        picture.paste(colour, (left, 0, right, height))
    return picture


def detail_value(x, y):
    """A grey checker of 37-pixel squares with a little per-pixel texture, so
    a crop off by one pixel does not match; grey keeps JPEG chroma out of it."""
    base = 40 if ((x // 37) + (y // 37)) % 2 == 0 else 210
    return base + (x * 7 + y * 13) % 5


def make_detail(width, height):
    """The checker of detail_value plus three large flat colour patches."""
    picture = Image.new("RGB", (width, height))
    pixels = picture.load()
    for y in range(height):
        for x in range(width):
            v = detail_value(x, y)
            pixels[x, y] = (v, v, v)
    patch_w, patch_h = max(1, width // 5), max(1, height // 5)
    for index, colour in enumerate([(220, 30, 30), (30, 200, 40), (40, 50, 230)]):
        left = width // 10 + index * (width * 3 // 10)
        picture.paste(colour, (left, height // 2, left + patch_w, height // 2 + patch_h))
    return picture


def make_picture(kind, width, height, seed=0):
    if kind == "uniform":
        return Image.new("RGB", (width, height), (UNIFORM_GRAY,) * 3)
    if kind == "bands":
        return make_bands(width, height)
    if kind == "detail":
        picture = make_detail(width, height)
        if seed:
            # Marks the picture so consecutive captures differ.
            picture.paste(((seed * 37) % 256, (seed * 91) % 256, 128), (0, 0, min(width, 40), min(height, 8)))
        return picture
    if kind.startswith("flat:"):
        return Image.new("RGB", (width, height), tuple(int(c) for c in kind[5:].split(",")))
    raise SystemExit("unknown picture kind " + kind)


def cmd_make(args):
    kind, width, height, out = args[0], int(args[1]), int(args[2]), args[3]
    seed = int(args[4]) if len(args) > 4 else 0
    make_picture(kind, width, height, seed).save(out, "BMP")


def cmd_make_dib(args):
    """Writes a raw CF_DIB block (BITMAPINFOHEADER + pixels, no file header)
    with header fields that can be set to nonsense: width height bitcount
    declared_size_image pixel_bytes."""
    width, height, bits, size_image, pixel_bytes, out = args[:6]
    header = struct.pack("<IiiHHIIiiII", 40, int(width), int(height), 1, int(bits), 0,
                         int(size_image), 0, 0, 0, 0)
    with open(out, "wb") as file:
        file.write(header + bytes([0x55]) * int(pixel_bytes))


def cmd_pixel(args):
    picture = Image.open(args[0]).convert("RGB")
    for i in range(1, len(args), 2):
        print(*picture.getpixel((int(args[i]), int(args[i + 1]))))


def cmd_size(args):
    print(*Image.open(args[0]).size)


def cmd_canvas_rect(args):
    """Finds the selection drawn on a canvas showing the uniform picture:
    the interior keeps the picture's grey, the frame covers the border.
    Arguments: screenshot, canvas left, top, width, height (screen pixels).
    Prints "x y w h veiled_ok" in canvas pixels, or "none veiled_ok"."""
    shot = Image.open(args[0]).convert("RGB")
    left, top, width, height = (int(a) for a in args[1:5])
    canvas = shot.crop((left, top, left + width, top + height))
    pixels = canvas.load()
    xs, ys = [], []
    for y in range(height):
        for x in range(width):
            if pixels[x, y] == (UNIFORM_GRAY,) * 3:
                xs.append(x)
                ys.append(y)
    if not xs:
        whole = all(pixels[x, y] == (VEILED_GRAY,) * 3 for y in range(0, height, 3) for x in range(0, width, 3))
        print("none", 1 if whole else 0)
        return
    x0, y0, x1, y1 = min(xs) - 1, min(ys) - 1, max(xs) + 1, max(ys) + 1
    # Everything more than the handle reach (3 pixels) outside the frame must
    # be veiled.
    veil_ok = 1
    for y in range(0, height, 2):
        for x in range(0, width, 2):
            outside = x < x0 - 3 or x > x1 + 3 or y < y0 - 3 or y > y1 + 3
            if outside and pixels[x, y] != (VEILED_GRAY,) * 3:
                veil_ok = 0
    frame_ok = 1
    for x, y in [(x0, (y0 + y1 * 3) // 4), (x1, (y0 + y1 * 3) // 4), ((x0 * 3 + x1) // 4, y0),
                 ((x0 * 3 + x1) // 4, y1)]:
        if 0 <= x < width and 0 <= y < height and pixels[x, y] != (0, 0, 0):
            frame_ok = 0
    print(x0, y0, x1 - x0 + 1, y1 - y0 + 1, veil_ok, frame_ok)


def luma(colour):
    return (299 * colour[0] + 587 * colour[1] + 114 * colour[2]) // 1000


def compare(source, box, got, tolerance, allowed_fraction, metric="rgb"):
    """Compares got with source's box pixel for pixel; box parts outside the
    source must be black. The metric "luma" compares brightness only, which
    JPEG keeps at full resolution while it halves the colour resolution.
    Returns (ok, message)."""
    x, y, w, h = box
    if got.size != (w, h):
        return False, "size %dx%d, expected %dx%d" % (got.size + (w, h))
    src, out = source.load(), got.load()
    sw, sh = source.size
    bad = 0
    worst = 0
    total = 0
    step = 1 if w * h <= 400000 else 2
    count = 0
    for j in range(0, h, step):
        for i in range(0, w, step):
            sx, sy = x + i, y + j
            want = src[sx, sy] if 0 <= sx < sw and 0 <= sy < sh else (0, 0, 0)
            have = out[i, j]
            if metric == "luma":
                diff = abs(luma(want) - luma(have))
            else:
                diff = max(abs(a - b) for a, b in zip(want[:3], have[:3]))
            worst = max(worst, diff)
            total += diff
            count += 1
            if diff > tolerance:
                bad += 1
    fraction = bad / count
    message = "%s: max diff %d, mean %.3f, %.4f%% over %d" % (metric, worst, total / count, fraction * 100,
                                                             tolerance)
    return fraction <= allowed_fraction, message


def cmd_compare(args):
    """source x y w h got tolerance [allowed fraction of pixels over it
    [metric]]"""
    source = Image.open(args[0]).convert("RGB")
    box = tuple(int(a) for a in args[1:5])
    got = Image.open(args[5])
    if got.format == "JPEG" and got.mode != "RGB":
        print("jpeg mode", got.mode)
        sys.exit(1)
    got = got.convert("RGB")
    tolerance = int(args[6])
    allowed = float(args[7]) if len(args) > 7 else 0.0
    metric = args[8] if len(args) > 8 else "rgb"
    ok, message = compare(source, box, got, tolerance, allowed, metric)
    print(message)
    sys.exit(0 if ok else 1)


def cmd_jpeg_info(args):
    """Prints format, mode, size and whether it is baseline (SOF0)."""
    picture = Image.open(args[0])
    with open(args[0], "rb") as file:
        data = file.read()
    baseline = 1 if b"\xff\xc0" in data else 0
    print(picture.format, picture.mode, picture.size[0], picture.size[1], baseline)


def cmd_same(args):
    """Counts the pixels that differ between two screenshots in a box:
    first second x y w h. Exits 1 when any differs."""
    first = Image.open(args[0]).convert("RGB")
    second = Image.open(args[1]).convert("RGB")
    x, y, w, h = (int(a) for a in args[2:6])
    a = first.crop((x, y, x + w, y + h)).tobytes()
    b = second.crop((x, y, x + w, y + h)).tobytes()
    differing = sum(1 for i in range(0, len(a), 3) if a[i:i + 3] != b[i:i + 3])
    print(differing)
    sys.exit(0 if differing == 0 else 1)


COMMANDS = {
    "same": cmd_same,
    "make": cmd_make,
    "make_dib": cmd_make_dib,
    "pixel": cmd_pixel,
    "size": cmd_size,
    "canvas_rect": cmd_canvas_rect,
    "compare": cmd_compare,
    "jpeg_info": cmd_jpeg_info,
}

if __name__ == "__main__":
    COMMANDS[sys.argv[1]](sys.argv[2:])
