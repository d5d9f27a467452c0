#!/usr/bin/python3
"""Pillow's box-filter resize at the preview sizes that bench/resize_bench.cpp
measures, as a reference figure on the same machine. Needs Debian's
python3-pil: run it with /usr/bin/python3. Prints the best of seven runs."""
import time

from PIL import Image

CASES = [((3840, 2160), (1440, 810)), ((1920, 1080), (1440, 810))]
RUNS = 7


def best_ms(source, size):
    best = None
    for _ in range(RUNS):
        start = time.perf_counter()
        source.resize(size, Image.BOX)
        elapsed = (time.perf_counter() - start) * 1000
        best = elapsed if best is None else min(best, elapsed)
    return best


def main():
    for (sw, sh), (tw, th) in CASES:
        source = Image.effect_noise((sw, sh), 64).convert("RGB")
        print(f"Pillow BOX {sw}x{sh} -> {tw}x{th}: {best_ms(source, (tw, th)):.1f} ms (best of {RUNS})")


if __name__ == "__main__":
    main()
