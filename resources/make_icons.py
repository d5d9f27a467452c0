#!/usr/bin/env python3
"""Draws the program's two icons and writes them as ICO files beside this script.

tray_icon.ico: a black camera seen from the front with a white lens circled in
grey, at 48, 32, 24 and 16 pixels. menu_button.ico: a black drop-down arrow at
16 pixels. Both are 32-bit BGRA with straight alpha on a transparent background.
Standard library only and deterministic: running it again gives the same bytes.
"""

import os
import struct

SAMPLES = 16  # per pixel and axis; 256 coverage levels give smooth alpha edges

BLACK = (0, 0, 0)
GREY = (128, 128, 128)
WHITE = (255, 255, 255)


def inside_rounded_rect(x, y, left, top, right, bottom, radius):
    if x < left or x >= right or y < top or y >= bottom:
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius


# Camera geometry in pixels for each size, fitted by hand rather than scaled so
# that straight edges fall on pixel boundaries and the lens centre sits on a
# pixel corner: the small sizes then stay crisp instead of blurring.
#   body: left, top, right, bottom, corner radius
#   hump: left, top, right (the viewfinder housing on top, rounded above)
#   button: left, top, right (the shutter button, dropped below 24 pixels)
#   lens: centre x, centre y, outer radius of the grey ring, radius of the glass
CAMERA_GEOMETRY = {
    48: dict(body=(2, 14, 46, 42, 4.0), hump=(15, 7, 33, 2.5), button=(6, 10, 12),
             lens=(24, 28, 10.5, 7.5)),
    32: dict(body=(1, 9, 31, 27, 2.5), hump=(10, 5, 22, 1.5), button=(4, 7, 8),
             lens=(16, 18, 7.0, 5.0)),
    24: dict(body=(1, 7, 23, 21, 2.0), hump=(8, 4, 16, 1.0), button=(3, 5, 6),
             lens=(12, 14, 5.5, 3.5)),
    16: dict(body=(1, 4, 15, 14, 1.0), hump=(5, 2, 11, 0.75), button=None,
             lens=(8, 9, 4.0, 2.5)),
}


def camera_shapes(size):
    """Shapes in painting order as (test, colour), in pixel coordinates."""
    geometry = CAMERA_GEOMETRY[size]
    body_left, body_top, body_right, body_bottom, body_radius = geometry['body']
    hump_left, hump_top, hump_right, hump_radius = geometry['hump']
    centre_x, centre_y, ring_radius, glass_radius = geometry['lens']

    def body(x, y):
        return inside_rounded_rect(x, y, body_left, body_top, body_right, body_bottom,
                                   body_radius)

    def hump(x, y):
        # Its lower corners disappear into the body, so only the top looks rounded.
        return inside_rounded_rect(x, y, hump_left, hump_top, hump_right,
                                   body_top + hump_radius + 1, hump_radius)

    def ring(x, y):
        return (x - centre_x) ** 2 + (y - centre_y) ** 2 <= ring_radius ** 2

    def glass(x, y):
        return (x - centre_x) ** 2 + (y - centre_y) ** 2 <= glass_radius ** 2

    shapes = [(body, BLACK), (hump, BLACK)]
    if geometry['button']:
        button_left, button_top, button_right = geometry['button']
        shapes.append((lambda x, y: button_left <= x < button_right
                       and button_top <= y < body_top, BLACK))
    shapes += [(ring, GREY), (glass, WHITE)]
    return shapes


def arrow_shapes(size):
    """A downward triangle 8 pixels wide and 4 high, centred, drawn as the
    classic pixel staircase (rows 8, 6, 4 and 2 wide) so it stays sharp."""
    centre = size // 2
    top = centre - 2

    def triangle(x, y):
        row = int(y) - top
        if row < 0 or row >= 4:
            return False
        return centre - 4 + row <= x < centre + 4 - row

    return [(triangle, BLACK)]


def render(size, shapes):
    """Rows top-down of (b, g, r, a), colours averaged over covered samples."""
    rows = []
    step = 1.0 / SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            covered = 0
            sums = [0, 0, 0]
            for sy in range(SAMPLES):
                y = py + (sy + 0.5) * step
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) * step
                    colour = None
                    for test, shape_colour in shapes:
                        if test(x, y):
                            colour = shape_colour
                    if colour is not None:
                        covered += 1
                        for i in range(3):
                            sums[i] += colour[i]
            if covered == 0:
                row.append((0, 0, 0, 0))
                continue
            r, g, b = (int(sums[i] / covered + 0.5) for i in range(3))
            alpha = (covered * 255 + SAMPLES * SAMPLES // 2) // (SAMPLES * SAMPLES)
            row.append((b, g, r, alpha))
        rows.append(row)
    return rows


def bmp_image(rows):
    """BITMAPINFOHEADER (height doubled), bottom-up BGRA, then the AND mask."""
    size = len(rows)
    xor = bytearray()
    mask = bytearray()
    mask_stride = (size + 31) // 32 * 4
    for row in reversed(rows):
        for pixel in row:
            xor += bytes(pixel)
        bits = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def ico_file(images):
    """ICONDIR, one 16-byte entry per image, then the images in entry order."""
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32,
                           len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    tray = [(s, bmp_image(render(s, camera_shapes(s)))) for s in (48, 32, 24, 16)]
    arrow = [(16, bmp_image(render(16, arrow_shapes(16))))]
    for name, images in (('tray_icon.ico', tray), ('menu_button.ico', arrow)):
        with open(os.path.join(here, name), 'wb') as f:
            f.write(ico_file(images))


if __name__ == '__main__':
    main()
