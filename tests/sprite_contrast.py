"""The sprites the player must tell apart at a glance stand clearly apart from
the floor and from the wall: the contrast ratio (as WCAG defines it) between a
sprite's main colour, the one most of its pixels have, and the floor colour,
and between it and the wall sprite's main colour, is at least 3:1.

Usage: sprite_contrast.py DATA_DIR"""

import os
import re
import sys

FLOOR = "#DDE6D5"  # the background every cell is drawn over
WALL = "hardblock.xpm"
CHECKED = ["mouse.xpm", "cheese.xpm", "cat.xpm"]
LEAST = 3.0


def read_xpm(path):
    """(width, height, {key: colour}, rows) of a one-character-per-pixel XPM file."""
    strings = re.findall(r'"([^"]*)"', open(path).read())
    width, height, count, per_pixel = (int(v) for v in strings[0].split()[:4])
    if per_pixel != 1:
        raise ValueError(f"{path}: {per_pixel} characters per pixel")
    colours = {}
    for line in strings[1:1 + count]:
        key, rest = line[0], line[1:].split()
        colours[key] = rest[rest.index("c") + 1]
    rows = strings[1 + count:1 + count + height]
    if len(rows) != height or any(len(row) != width for row in rows):
        raise ValueError(f"{path}: rows do not match {width} x {height}")
    return width, height, colours, rows


def main_colour(path):
    _, _, colours, rows = read_xpm(path)
    counts = {}
    for row in rows:
        for key in row:
            if colours[key].lower() != "none":
                counts[key] = counts.get(key, 0) + 1
    return colours[max(counts, key=counts.get)]


def luminance(colour):
    channels = [int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5)]
    r, g, b = (c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in channels)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    light, dark = sorted((luminance(a), luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def main(data):
    failed = 0
    wall = main_colour(os.path.join(data, WALL))
    for name in CHECKED:
        path = os.path.join(data, name)
        width, height, _, _ = read_xpm(path)
        if (width, height) != (16, 16):
            print(f"FAIL: {name} is {width} x {height}, not 16 x 16")
            failed += 1
        colour = main_colour(path)
        for against, other in (("the floor", FLOOR), ("the wall", wall)):
            ratio = contrast(colour, other)
            verdict = "ok" if ratio >= LEAST else "FAIL"
            print(f"{verdict}: {name}: main colour {colour} against {against} {other}: {ratio:.2f}:1")
            failed += ratio < LEAST
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
