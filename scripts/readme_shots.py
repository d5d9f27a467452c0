#!/usr/bin/python3
"""Picture steps of scripts/readme_pictures.sh, run with /usr/bin/python3
(Debian's Pillow):

  shows SCREEN.png SOURCE.bmp X Y PW PH
      exits 0 when the canvas at (X, Y) of the screenshot shows SOURCE scaled
      to PW x PH under the white veil, i.e. the program took the offered
      picture and not a screen copy of its own; prints the mean difference.
  cutout SCREEN.png OUT.png MAX_WIDTH X Y W H [X Y W H ...]
      cuts the bounding box of the rectangles out of the screenshot, makes
      everything outside them transparent, scales down to MAX_WIDTH when
      wider, and writes a compact PNG."""
import sys

from PIL import Image, ImageChops, ImageStat

# The veil of an empty selection: white at 200 of 255 over every pixel.
VEIL_ALPHA = 200
MATCH_LIMIT = 3.0  # mean channel difference; a screen copy differs by 10 or more


def veiled(image):
    return image.point(lambda c: ((255 - VEIL_ALPHA) * c + 255 * VEIL_ALPHA) // 255)


def cmd_shows(screen_path, source_path, x, y, width, height):
    x, y, width, height = int(x), int(y), int(width), int(height)
    screen = Image.open(screen_path).convert("RGB").crop((x, y, x + width, y + height))
    expected = veiled(Image.open(source_path).convert("RGB").resize((width, height), Image.BOX))
    difference = sum(ImageStat.Stat(ImageChops.difference(screen, expected)).mean) / 3
    print(f"mean difference {difference:.2f}")
    return 0 if difference < MATCH_LIMIT else 1


def cmd_cutout(screen_path, out_path, max_width, *numbers):
    boxes = [tuple(int(v) for v in numbers[i:i + 4]) for i in range(0, len(numbers), 4)]
    if not boxes or any(len(box) != 4 for box in boxes):
        sys.exit("cutout: give rectangles as X Y W H")
    left = min(b[0] for b in boxes)
    top = min(b[1] for b in boxes)
    right = max(b[0] + b[2] for b in boxes)
    bottom = max(b[1] + b[3] for b in boxes)
    picture = Image.open(screen_path).convert("RGB").crop((left, top, right, bottom))
    if len(boxes) > 1:
        mask = Image.new("L", picture.size, 0)
        for bx, by, bw, bh in boxes:
            mask.paste(255, (bx - left, by - top, bx - left + bw, by - top + bh))
        picture.putalpha(mask)
    max_width = int(max_width)
    if picture.width > max_width:
        picture = picture.resize((max_width, round(picture.height * max_width / picture.width)), Image.LANCZOS)
    picture.save(out_path, "PNG", optimize=True)
    return 0


def main():
    commands = {"shows": (cmd_shows, 6), "cutout": (cmd_cutout, None)}
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        sys.exit(__doc__)
    command, count = commands[sys.argv[1]]
    args = sys.argv[2:]
    if count is not None and len(args) != count:
        sys.exit(__doc__)
    sys.exit(command(*args))


if __name__ == "__main__":
    main()
