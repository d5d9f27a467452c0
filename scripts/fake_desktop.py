#!/usr/bin/python3
"""Draws a made-up but plausible desktop screenshot for the README pictures:
a wallpaper, desktop icons, a taskbar, a document, a chart and a terminal
window. Usage: fake_desktop.py WIDTH HEIGHT OUT.bmp. The layout is given in
fractions of the size, so any size works; the same size always gives the
same picture. Needs Debian's python3-pil (run with /usr/bin/python3)."""
import random
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"

DOCUMENT = [
    ("h", "Quarterly field report"),
    ("p", "The survey teams covered the northern valleys in six weeks, two more"),
    ("p", "than planned, because the river crossings stayed closed until May."),
    ("p", "All forty-two stations now send their readings every hour."),
    ("h2", "Findings"),
    ("p", "Snow cover ended nine days earlier than the ten-year average, and the"),
    ("p", "spring flow peaked at 310 cubic metres per second on the 14th of May."),
    ("p", "The new sensors held up well in the cold; only two needed a reset."),
    ("h2", "Next steps"),
    ("p", "Replace the solar panels at stations 7 and 19 before the autumn."),
    ("p", "Share the cleaned data set with the regional office by September."),
    ("p", "Plan the winter visits around the avalanche forecast."),
]

TERMINAL = [
    ("$ ", "make report"),
    ("", "collecting readings from 42 stations ... done"),
    ("", "cleaning 1,203,884 rows ... 312 outliers removed"),
    ("", "drawing charts ... 6 figures"),
    ("", "report written to out/field-report.pdf"),
    ("$ ", "ls out/"),
    ("", "field-report.pdf  flow.csv  snow.csv  stations.json"),
    ("$ ", ""),
]


def font(name, size):
    try:
        return ImageFont.truetype(FONT_DIR + name, size)
    except OSError:
        return ImageFont.load_default()


class Desktop:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.unit = height / 1080  # sizes below are for a 1080-pixel-high screen
        self.image = self.wallpaper()
        self.draw = ImageDraw.Draw(self.image, "RGBA")

    def px(self, value):
        return max(1, round(value * self.unit))

    def wallpaper(self):
        w, h = self.width, self.height
        small = Image.new("RGB", (64, 36))
        for y in range(36):
            for x in range(64):
                t = (x / 63 * 0.6 + y / 35 * 0.4)
                small.putpixel((x, y), (int(18 + 40 * t), int(70 + 60 * (1 - t)), int(120 + 70 * t)))
        picture = small.resize((w, h), Image.BICUBIC)
        glow = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        glow_draw = ImageDraw.Draw(glow)
        rng = random.Random(7)
        for _ in range(9):
            cx, cy, r = rng.uniform(0, w), rng.uniform(0, h), rng.uniform(0.08, 0.25) * h
            glow_draw.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(255, 255, 255, rng.randint(12, 30)))
        glow = glow.filter(ImageFilter.GaussianBlur(self.px(40)))
        picture.paste(glow, (0, 0), glow)
        return picture

    def window(self, box, title, accent, body=(250, 250, 250)):
        x0, y0, x1, y1 = box
        shadow = self.px(10)
        self.draw.rounded_rectangle((x0 + shadow // 2, y0 + shadow, x1 + shadow // 2, y1 + shadow),
                                    self.px(8), fill=(0, 0, 0, 60))
        self.draw.rounded_rectangle(box, self.px(8), fill=body, outline=(90, 90, 90), width=1)
        bar = y0 + self.px(34)
        self.draw.rounded_rectangle((x0, y0, x1, bar), self.px(8), fill=accent)
        self.draw.rectangle((x0, bar - self.px(8), x1, bar), fill=accent)
        self.draw.text((x0 + self.px(14), y0 + self.px(8)), title, fill=(255, 255, 255),
                       font=font("DejaVuSans-Bold.ttf", self.px(15)))
        for index, colour in enumerate([(237, 94, 86), (246, 190, 60), (98, 197, 84)]):
            cx = x1 - self.px(20) - index * self.px(24)
            cy = y0 + self.px(17)
            r = self.px(7)
            self.draw.ellipse((cx - r, cy - r, cx + r, cy + r), fill=colour)
        return bar

    def document(self, box):
        top = self.window(box, "Field report.odt - Writer", (52, 101, 164))
        x0, _, x1, y1 = box
        menu_font = font("DejaVuSans.ttf", self.px(13))
        self.draw.rectangle((x0 + 1, top, x1 - 1, top + self.px(26)), fill=(236, 238, 242))
        for index, item in enumerate(["File", "Edit", "View", "Insert", "Format", "Tools", "Help"]):
            self.draw.text((x0 + self.px(14) + index * self.px(62), top + self.px(5)), item,
                           fill=(40, 40, 40), font=menu_font)
        page = (x0 + self.px(40), top + self.px(44), x1 - self.px(40), y1 - 1)
        self.draw.rectangle((x0 + 1, top + self.px(26), x1 - 1, y1 - 1), fill=(214, 218, 224))
        self.draw.rectangle(page, fill=(255, 255, 255))
        y = page[1] + self.px(30)
        styles = {"h": ("DejaVuSerif-Bold.ttf", 26, (30, 30, 30), 46),
                  "h2": ("DejaVuSerif-Bold.ttf", 18, (52, 101, 164), 34),
                  "p": ("DejaVuSerif.ttf", 15, (50, 50, 50), 26)}
        for kind, text in DOCUMENT:
            name, size, colour, step = styles[kind]
            if kind == "h2":
                y += self.px(10)
            if y + self.px(step) > y1:
                break
            self.draw.text((page[0] + self.px(36), y), text, fill=colour, font=font(name, self.px(size)))
            y += self.px(step)

    def chart(self, box):
        top = self.window(box, "Spring flow - Charts", (46, 139, 87))
        x0, _, x1, y1 = box
        label_font = font("DejaVuSans.ttf", self.px(12))
        self.draw.text((x0 + self.px(24), top + self.px(14)), "River flow, m³/s, weekly peak",
                       fill=(40, 40, 40), font=font("DejaVuSans-Bold.ttf", self.px(15)))
        left, right = x0 + self.px(60), x1 - self.px(24)
        base, ceiling = y1 - self.px(44), top + self.px(56)
        for step in range(5):
            y = base - (base - ceiling) * step // 4
            self.draw.line((left, y, right, y), fill=(220, 220, 220), width=1)
            self.draw.text((x0 + self.px(18), y - self.px(7)), str(step * 80), fill=(110, 110, 110), font=label_font)
        values = [60, 85, 120, 190, 260, 310, 280, 215, 160, 120, 95, 80]
        slot = (right - left) / len(values)
        for index, value in enumerate(values):
            bx = left + index * slot + slot * 0.18
            height = (base - ceiling) * value / 320
            shade = 0.55 + 0.45 * value / 310
            colour = (int(40 * shade), int(150 * shade + 40), int(200 * shade + 30))
            self.draw.rounded_rectangle((bx, base - height, bx + slot * 0.64, base), self.px(3), fill=colour)
            self.draw.text((bx, base + self.px(8)), f"W{index + 14}", fill=(110, 110, 110), font=label_font)
        self.draw.line((left, base, right, base), fill=(120, 120, 120), width=self.px(2))

    def terminal(self, box):
        top = self.window(box, "Terminal", (60, 60, 66), body=(30, 32, 38))
        x0, _, _, y1 = box
        mono = font("DejaVuSansMono.ttf", self.px(14))
        y = top + self.px(12)
        for prompt, text in TERMINAL:
            if y + self.px(22) > y1:
                break
            x = x0 + self.px(14)
            if prompt:
                self.draw.text((x, y), prompt, fill=(120, 220, 120), font=mono)
                x += self.draw.textlength(prompt, font=mono)
                self.draw.text((x, y), text, fill=(235, 235, 235), font=mono)
            else:
                self.draw.text((x, y), text, fill=(170, 180, 190), font=mono)
            y += self.px(22)
        self.draw.rectangle((x, y - self.px(20), x + self.px(8), y - self.px(4)), fill=(235, 235, 235))

    def icons(self):
        label_font = font("DejaVuSans.ttf", self.px(12))
        for index, (name, colour) in enumerate([("Documents", (242, 183, 64)), ("Pictures", (88, 166, 230)),
                                                ("Projects", (230, 120, 90)), ("Trash", (170, 180, 190))]):
            x, y = self.px(30), self.px(30) + index * self.px(100)
            self.draw.rounded_rectangle((x + self.px(8), y, x + self.px(56), y + self.px(44)), self.px(6), fill=colour)
            self.draw.text((x + self.px(32), y + self.px(52)), name, fill=(255, 255, 255), font=label_font, anchor="ma")

    def taskbar(self):
        w, h = self.width, self.height
        top = h - self.px(48)
        self.draw.rectangle((0, top, w, h), fill=(20, 24, 32, 215))
        self.draw.rounded_rectangle((self.px(10), top + self.px(8), self.px(42), top + self.px(40)), self.px(6),
                                    fill=(90, 150, 230))
        for index, colour in enumerate([(52, 101, 164), (46, 139, 87), (60, 60, 66), (200, 90, 60)]):
            x = self.px(70) + index * self.px(48)
            self.draw.rounded_rectangle((x, top + self.px(8), x + self.px(32), top + self.px(40)), self.px(6), fill=colour)
            if index < 3:
                self.draw.rectangle((x + self.px(10), top + self.px(43), x + self.px(22), top + self.px(45)),
                                    fill=(200, 210, 230))
        clock = font("DejaVuSans.ttf", self.px(14))
        self.draw.text((w - self.px(20), top + self.px(24)), "10:42", fill=(235, 235, 235), font=clock, anchor="rm")


def make(width, height):
    desktop = Desktop(width, height)
    w, h = width, height
    desktop.icons()
    desktop.document((int(w * 0.09), int(h * 0.07), int(w * 0.52), int(h * 0.80)))
    desktop.chart((int(w * 0.47), int(h * 0.22), int(w * 0.93), int(h * 0.70)))
    desktop.terminal((int(w * 0.30), int(h * 0.62), int(w * 0.66), int(h * 0.89)))
    desktop.taskbar()
    return desktop.image


def main():
    if len(sys.argv) != 4:
        sys.exit("usage: fake_desktop.py WIDTH HEIGHT OUT.bmp")
    make(int(sys.argv[1]), int(sys.argv[2])).save(sys.argv[3], "BMP")


if __name__ == "__main__":
    main()
