"""Sketches a crate field for a level drawing: rows of crates with lanes of
floor between them, open floor for the mouse, cats in the lanes.

    python3 tools/sketch_fields.py SEED cats=3 [orient=h] [band=2] [holes=0.05] ...

Prints the 30 x 18 inside of a level, as tools/make_levels.py takes it. The
same seed and settings give the same sketch. A sketch is a start: measure it
with tools/level_curve.py, play it, and draw it into the builder by hand.

Settings: cats; orient h (open floor at the top), hb (at the bottom), v
(standing rows, floor on the left), vr (on the right), split (a road across
the middle), vsplit (down the middle), corner, mixed (flat rows left,
standing right); band 2 or 3 (the usual depth of a row); open_rows; margin
(floor left at the ends of the lanes); holes (share of crates missing);
wide_lanes; posts (crates turned to walls); cuts (walls across the lanes);
fences (cheese in the lanes); cheese (on the open floor, or with
cheese_in_lanes in the lanes); cats_anywhere; cat_distance."""

import random
import sys

W, H = 30, 18


def field(r, w, h, settings):
    """Rows along x on a w x h canvas; the first open_rows rows stay floor."""
    c = [["."] * w for _ in range(h)]
    y = settings.get("open_rows", 3)
    lanes = []
    margin = settings.get("margin", 0)
    x0, x1 = r.randint(0, margin), w - r.randint(0, margin)
    while y < h:
        depth = r.choice([2, 2, 3] if settings.get("band", 2) == 2 else [3, 3, 2])
        for k in range(depth):
            if y + k < h:
                for x in range(x0, x1):
                    if r.random() > settings.get("holes", 0.05):
                        c[y + k][x] = "B"
        y += depth
        for _ in range(r.choice([1, 2]) if settings.get("wide_lanes") else 1):
            if y < h:
                lanes.append(y)
                y += 1
    for _ in range(settings.get("posts", 0)):
        yy, x = r.randrange(settings.get("open_rows", 3), h), r.randrange(w)
        if c[yy][x] == "B":
            c[yy][x] = "H"
    for _ in range(settings.get("cuts", 0)):
        x = r.randrange(2, w - 2)
        for yy in lanes:
            c[yy][x] = "H"
    for _ in range(settings.get("fences", 0)):
        yy = r.choice(lanes)
        c[yy][r.randrange(w)] = "K"
    return c


def transpose(c):
    return [[c[x][y] for x in range(len(c))] for y in range(len(c[0]))]


def sketch(settings, seed):
    r = random.Random(seed)
    if "open_rows" not in settings:
        settings = dict(settings, open_rows=r.choice([3, 3, 4, 5]))
    o = settings.get("orient", "h")
    if o == "h":
        g = field(r, W, H, settings)
    elif o == "v":
        g = transpose(field(r, H, W, settings))
    elif o == "hb":
        g = field(r, W, H, settings)[::-1]
    elif o == "vr":
        g = [row[::-1] for row in transpose(field(r, H, W, settings))]
    elif o == "split":
        top = field(r, W, H // 2 + 1, dict(settings, open_rows=2))[::-1]
        g = top + field(r, W, H - H // 2 - 1, dict(settings, open_rows=1))
    elif o == "vsplit":
        left = [row[::-1] for row in transpose(field(r, H, W // 2, dict(settings, open_rows=2)))]
        right = transpose(field(r, H, W - W // 2, dict(settings, open_rows=2)))
        g = [left[y] + right[y] for y in range(H)]
    elif o == "corner":
        a, b = field(r, W, H, settings), transpose(field(r, H, W, settings))
        g = [[a[y][x] if y > x * H // W else b[y][x] for x in range(W)] for y in range(H)]
    elif o == "mixed":
        left, right = field(r, W, H, settings), transpose(field(r, H, W, settings))
        g = [left[y][:W // 2] + right[y][W // 2:] for y in range(H)]
    else:
        sys.exit(f"sketch_fields.py: no orientation {o}")

    def around(x, y, what):
        return sum(g[yy][xx] == what for yy in range(max(0, y - 1), min(H, y + 2))
                   for xx in range(max(0, x - 1), min(W, x + 2)))

    free = [(x, y) for y in range(H) for x in range(W) if g[y][x] == "."]
    floor = [p for p in free if around(*p, ".") >= 8] or [p for p in free if around(*p, ".") >= 6]
    mx, my = r.choice(floor)
    g[my][mx] = "M"
    near_floor = {(x + dx, y + dy) for x, y in floor for dx in (-1, 0, 1) for dy in (-1, 0, 1)}
    lanes = [p for p in free if around(*p, "B") >= 3 and p not in near_floor]
    placed = 0
    for _ in range(3000):
        if placed == settings["cats"]:
            break
        x, y = r.choice(free if settings.get("cats_anywhere") else lanes)
        if g[y][x] == "." and max(abs(x - mx), abs(y - my)) >= settings.get("cat_distance", 6):
            g[y][x] = "C"
            placed += 1
    for _ in range(settings.get("cheese", 0)):
        x, y = r.choice(lanes if settings.get("cheese_in_lanes") else floor)
        if g[y][x] == ".":
            g[y][x] = "K"
    return ["".join(row) for row in g]


def main(argv):
    if len(argv) < 2 or not argv[1].isdigit():
        sys.exit(__doc__)
    settings = {}
    for arg in argv[2:]:
        key, _, value = arg.partition("=")
        settings[key] = value if key == "orient" else (True if value.lower() in ("", "true") else float(value) if "." in value else int(value))
    settings.setdefault("cats", 1)
    print("\n".join(sketch(settings, int(argv[1]))))


if __name__ == "__main__":
    main(sys.argv)
