"""The sprites the player must tell apart at a glance stand clearly apart from
the floor and from the wall: the contrast ratio (as WCAG defines it) between a
sprite's main colour, the one most of its pixels have, and the floor colour,
and between it and the wall sprite's main colour, is at least 3:1 (the crate
needs it against the floor only: it is told from the wall by hue and shape).

They stand apart from one another too, also to a player with protanopia or
deuteranopia (simulated as Machado, Oliveira and Fernandes 2009 do, at full
severity): each pair's look from afar, the mean of its pixels in linear light,
differs by a CIE76 colour difference of at least 20; and the mouse, the cheese
and the cat differ in luminance, by at least 1.5:1, so that colour is never
the only difference.

Usage: sprite_contrast.py DATA_DIR"""

import os
import re
import sys

FLOOR = "#DDE6D5"  # the background every cell is drawn over
WALL = "hardblock.xpm"
CHECKED = ["mouse.xpm", "cheese.xpm", "cat.xpm"]
CRATE = "block.xpm"
LEAST = 3.0
APART = ["mouse.xpm", "cheese.xpm", "cat.xpm", CRATE]
LEAST_DIFFERENCE = 20.0
LEAST_LUMINANCE_RATIO = 1.5
VISIONS = {
    "normal vision": None,
    "protanopia": [[0.152286, 1.052583, -0.204868], [0.114503, 0.786281, 0.099216], [-0.003882, -0.048116, 1.051998]],
    "deuteranopia": [[0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413], [-0.011820, 0.042940, 0.968881]],
}


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


def linear(colour):
    channels = [int(colour[i:i + 2], 16) / 255 for i in (1, 3, 5)]
    return [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]


def luminance(colour):
    return linear_luminance(linear(colour))


def linear_luminance(rgb):
    r, g, b = rgb
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def mean_linear(path):
    """The sprite's opaque pixels averaged in linear light: how it looks from afar."""
    _, _, colours, rows = read_xpm(path)
    opaque = [linear(colours[key]) for row in rows for key in row if colours[key].lower() != "none"]
    return [sum(pixel[i] for pixel in opaque) / len(opaque) for i in range(3)]


def seen_with(vision, rgb):
    if vision is None:
        return rgb
    return [min(max(sum(vision[i][j] * rgb[j] for j in range(3)), 0.0), 1.0) for i in range(3)]


def lab(rgb):
    r, g, b = rgb
    x = (0.4124 * r + 0.3576 * g + 0.1805 * b) / 0.95047
    y = 0.2126 * r + 0.7152 * g + 0.0722 * b
    z = (0.0193 * r + 0.1192 * g + 0.9505 * b) / 1.08883
    f = [t ** (1 / 3) if t > 216 / 24389 else (24389 / 27 * t + 16) / 116 for t in (x, y, z)]
    return 116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])


def difference(a, b):
    return sum((p - q) ** 2 for p, q in zip(lab(a), lab(b))) ** 0.5


def luminance_ratio(a, b):
    light, dark = sorted((linear_luminance(a), linear_luminance(b)), reverse=True)
    return (light + 0.05) / (dark + 0.05)


def pairs_apart(data):
    """Failures among the pairs of APART, under each vision."""
    failed = 0
    looks = {name: mean_linear(os.path.join(data, name)) for name in APART}
    for vision_name, vision in VISIONS.items():
        seen = {name: seen_with(vision, look) for name, look in looks.items()}
        for i, a in enumerate(APART):
            for b in APART[i + 1:]:
                apart = difference(seen[a], seen[b])
                ok = apart >= LEAST_DIFFERENCE
                line = f"{a} and {b}, {vision_name}: difference {apart:.1f}"
                if CRATE not in (a, b):
                    ratio = luminance_ratio(seen[a], seen[b])
                    ok = ok and ratio >= LEAST_LUMINANCE_RATIO
                    line += f", luminance {ratio:.2f}:1"
                print(("ok: " if ok else "FAIL: ") + line)
                failed += not ok
    return failed


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
    crate = main_colour(os.path.join(data, CRATE))
    ratio = contrast(crate, FLOOR)
    print(f"{'ok' if ratio >= LEAST else 'FAIL'}: {CRATE}: main colour {crate} against the floor {FLOOR}: {ratio:.2f}:1")
    failed += ratio < LEAST
    failed += pairs_apart(data)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
