"""The shipped pack as a whole: every level different, crate fields at its
centre, and a card for every level.

    level_pack.py INDEX LEVEL.lvx...

Fails, naming the levels, unless
- there are at least 40 levels, each 32 x 20;
- no two levels share more than 70 % of their wall-and-crate cells (Jaccard);
- no band of five rows, walls and crates as they stand, appears in two places;
- at least 24 levels have crates on a quarter or more of their inner cells;
- the index gives every level, in order and once, a name and a hint."""

import itertools
import os
import sys

SIZE = (32, 20)
MOST_ALIKE = 0.70
BAND = 5
FIELDS = 24
FIELD_SHARE = 0.25


def solid(rows):
    """The inner cells that hold a wall or a crate, as (x, y)."""
    return {(x, y) for y, row in enumerate(rows[1:-1]) for x, c in enumerate(row[1:-1]) if c in "HB"}


def bands(rows):
    inner = ["".join("#" if c in "HB" else "." for c in row[1:-1]) for row in rows[1:-1]]
    for top in range(len(inner) - BAND + 1):
        band = tuple(inner[top:top + BAND])
        if any("#" in row for row in band):
            yield top, band


def problems(index_lines, levels):
    if len(levels) < 40:
        yield f"{len(levels)} levels, fewer than 40"
    for path, rows in levels.items():
        if (len(rows[0]), len(rows)) != SIZE:
            yield f"{path}: {len(rows[0])} x {len(rows)}, not {SIZE[0]} x {SIZE[1]}"

    cells = {path: solid(rows) for path, rows in levels.items()}
    for a, b in itertools.combinations(sorted(levels), 2):
        union = cells[a] | cells[b]
        alike = len(cells[a] & cells[b]) / len(union) if union else 1.0
        if alike > MOST_ALIKE:
            yield f"{a} and {b} share {alike:.0%} of their walls and crates"

    seen = {}
    for path in sorted(levels):
        for top, band in bands(levels[path]):
            if band in seen and seen[band][0] != path:
                yield f"{path} rows {top + 1}-{top + BAND} repeat {seen[band][0]} rows {seen[band][1] + 1}-{seen[band][1] + BAND}"
            seen.setdefault(band, (path, top))

    inner = (SIZE[0] - 2) * (SIZE[1] - 2)
    fields = [path for path, rows in levels.items() if sum(row.count("B") for row in rows) >= FIELD_SHARE * inner]
    if len(fields) < FIELDS:
        yield f"only {len(fields)} levels have crates on a quarter of their cells, not {FIELDS}"

    files = sorted(os.path.basename(path) for path in levels)
    entries = [line.split("\t") for line in index_lines if line and not line.startswith("#")]
    if [entry[0] for entry in entries] != files:
        yield f"the index lists {[entry[0] for entry in entries]}, the pack holds {files}"
    for entry in entries:
        if len(entry) != 3 or not entry[1].strip() or not entry[2].strip():
            yield f"index: {entry[0]} lacks a name or a hint"
    if files != [f"level{n:03d}.lvx" for n in range(len(files))]:
        yield f"the level files are not numbered from 000 without gaps: {files}"


def main(index, paths):
    with open(index, encoding="utf-8") as f:
        index_lines = f.read().splitlines()
    levels = {}
    for path in paths:
        with open(path) as f:
            levels[os.path.basename(path)] = f.read().splitlines()
    found = list(problems(index_lines, levels))
    for problem in found:
        print("FAIL:", problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
