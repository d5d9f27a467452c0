#!/usr/bin/python3
"""Turns the JSON of corvane_bench and the output of pillow_resize_baseline.py
into the short Markdown table that scripts/bench.sh prints. Each figure is the
best call over all repetitions; ratios are taken between best figures of the
same run, so a busy moment of the machine spoils one repetition, not the row."""
import json
import re
import sys


def best_counters(benchmarks):
    """Per benchmark name, the smallest value of every counter over the
    repetitions (aggregate rows are left out)."""
    best = {}
    for run in benchmarks:
        if run.get("run_type", "iteration") != "iteration":
            continue
        counters = best.setdefault(run["run_name"], {})
        for key, value in run.items():
            if isinstance(value, (int, float)) and not isinstance(value, bool):
                counters[key] = min(value, counters.get(key, value))
    return best


def pillow_figures(text):
    """{(source w, source h): best ms} from the Pillow script's lines."""
    figures = {}
    for match in re.finditer(r"Pillow BOX (\d+)x(\d+) -> \d+x\d+: ([0-9.]+) ms", text):
        figures[(int(match[1]), int(match[2]))] = float(match[3])
    return figures


def row(cells):
    return "| " + " | ".join(cells) + " |"


def table(best, pillow):
    def get(name, key):
        counters = best.get(name)
        if counters is None or key not in counters:
            sys.exit(f"bench_table: no figure {key} for {name} in the benchmark output")
        return counters[key]

    lines = [row(["Operation", "Time", "Compared with"]), row(["---", "---:", "---"])]
    for width, height in ((3840, 2160), (1920, 1080)):
        name = f"BM_ResizeSmooth/{width}/{height}/1440/810"
        ms = get(name, "best_ms")
        memcpy_ms = get(name, "memcpy_ms")
        against = []
        if (width, height) in pillow:
            against.append(f"{ms / pillow[(width, height)]:.2f} × Pillow BOX ({pillow[(width, height)]:.1f} ms)")
        against.append(f"{ms / memcpy_ms:.1f} × memcpy of the source ({memcpy_ms:.2f} ms)")
        lines.append(row([f"Preview resize {width}×{height} → 1440×810", f"{ms:.1f} ms", "; ".join(against)]))
    for width, height in ((1440, 810), (2880, 1620)):
        name = f"BM_DrawSelectionOverlay/{width}/{height}"
        us = get(name, "best_us")
        memcpy_us = get(name, "memcpy_us")
        lines.append(row([f"Selection overlay, one drag step, {width}×{height}", f"{us:.0f} µs",
                          f"{us / memcpy_us:.1f} × memcpy of the canvas ({memcpy_us:.0f} µs)"]))
    for width, height in ((1920, 1080), (3840, 2160)):
        name = f"BM_WriteJpegAgainstBareLibjpeg/{width}/{height}"
        ms = get(name, "writer_ms")
        bare_ms = get(name, "bare_ms")
        lines.append(row([f"JPEG writer, quality 100, {width}×{height}", f"{ms:.1f} ms",
                          f"{ms / bare_ms:.2f} × bare libjpeg encode ({bare_ms:.1f} ms)"]))
    lines.append(row(["Intake of a 3840×2160 screenshot (decode, fit, resize, first frame)",
                      f"{get('BM_IntakeOf4kScreenshot', 'best_ms'):.1f} ms", ""]))
    crop_ms = get("BM_CropWhole4kCapture", "crop_ms")
    memcpy_ms = get("BM_CropWhole4kCapture", "memcpy_ms")
    fresh_ms = get("BM_CropWhole4kCapture", "fresh_copy_ms")
    lines.append(row(["Crop of a whole 3840×2160 capture", f"{crop_ms:.2f} ms",
                      f"{crop_ms / memcpy_ms:.2f} × memcpy ({memcpy_ms:.2f} ms); "
                      f"{crop_ms / fresh_ms:.2f} × memcpy into fresh memory ({fresh_ms:.2f} ms)"]))
    return "\n".join(lines)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: bench_table.py BENCH.json PILLOW.txt")
    with open(sys.argv[1], encoding="utf-8") as file:
        best = best_counters(json.load(file)["benchmarks"])
    with open(sys.argv[2], encoding="utf-8") as file:
        pillow = pillow_figures(file.read())
    print(table(best, pillow))


if __name__ == "__main__":
    main()
