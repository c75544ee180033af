"""The shipped pack as a whole: levels a player tells apart, cats that hunt,
cheese worth the risk, and a card for every level that the builder wrote.

    level_pack.py [--builder make_levels.py] INDEX LEVEL.lvx...  the checks, FAIL lines and status 1
    level_pack.py --report INDEX LEVEL.lvx...                     a line a level, for designing

Fails, naming the levels, unless
- there are at least 40 levels, each 32 x 20;
- no two levels share more than 60 % of their wall-and-crate cells (Jaccard),
  even after turning or mirroring one of them and shifting it up to two cells;
- at most six levels are fields of crate bands between one-cell lanes;
- in at least 30 levels some cat can walk to the mouse from the start, and
  so can at least half of all the cats;
- the pack holds at least 600 pieces of cheese, and every level from the
  fourth on at least 8;
- the index gives every level, in order and once, a name of its own and a hint;
- with --builder, the level files and the index are the builder's drawings and
  cards byte for byte, so neither can drift from the other."""

import itertools
import os
import sys

SIZE = (32, 20)
MOST_ALIKE = 0.60
SHIFT = 2
MOST_LANE_FIELDS = 6
HUNTING_LEVELS = 30
HUNTING_SHARE = 0.5
CHEESE = 600
CHEESE_PER_LEVEL = 8
FIRST_FULL_LEVEL = 3  # levels 1-3 teach the moves with little cheese


def solid(rows):
    """The inner cells that hold a wall or a crate, as (x, y)."""
    return {(x, y) for y, row in enumerate(rows[1:-1]) for x, c in enumerate(row[1:-1]) if c in "HB"}


def turns(cells):
    """The eight ways a drawing can lie, each moved to start at (0, 0)."""
    for flip in (False, True):
        for quarter in range(4):
            turned = set()
            for x, y in cells:
                x, y = (-x, y) if flip else (x, y)
                for _ in range(quarter):
                    x, y = -y, x
                turned.add((x, y))
            if turned:
                left = min(x for x, _ in turned)
                top = min(y for _, y in turned)
                yield {(x - left, y - top) for x, y in turned}


def alike(a, b):
    """The largest share of wall-and-crate cells that b and any turned,
    mirrored or shifted copy of a have in common."""
    if not a or not b:
        return 0.0
    left = min(x for x, _ in b)
    top = min(y for _, y in b)
    b = {(x - left, y - top) for x, y in b}
    best = 0.0
    for turned in turns(a):
        for dx in range(-SHIFT, SHIFT + 1):
            for dy in range(-SHIFT, SHIFT + 1):
                shared = sum((x + dx, y + dy) in b for x, y in turned)
                best = max(best, shared / (len(turned) + len(b) - shared))
    return best


def lanes(rows):
    """How many one-cell lanes run between two bands of crates, lying or standing:
    a run of at least ten open cells with crates on both sides of most of it."""
    def count(grid):
        found = 0
        for y in range(1, len(grid) - 1):
            run = 0
            for x in range(len(grid[y])):
                banded = grid[y][x] not in "HB" and grid[y - 1][x] == "B" and grid[y + 1][x] == "B"
                run = run + 1 if banded else 0
                if run == 10:
                    found += 1
        return found
    standing = ["".join(column) for column in zip(*rows)]
    return count(rows) + count(standing)


def hunting_cats(rows):
    """(cats that can walk to the mouse, all cats): a cat steps to any of its
    eight neighbours that is floor or the mouse."""
    cells = {(x, y): c for y, row in enumerate(rows) for x, c in enumerate(row)}
    mouse = next(at for at, c in cells.items() if c == "M")
    seen, queue = {mouse}, [mouse]
    while queue:
        x, y = queue.pop()
        for dx, dy in itertools.product((-1, 0, 1), repeat=2):
            at = (x + dx, y + dy)
            if at not in seen and cells.get(at) in (".", "C"):
                seen.add(at)
                if cells[at] == ".":
                    queue.append(at)
    cats = [at for at, c in cells.items() if c == "C"]
    return sum(at in seen for at in cats), len(cats)


def report(levels):
    for path, rows in sorted(levels.items()):
        hunting, cats = hunting_cats(rows)
        cheese = sum(row.count("K") for row in rows)
        others = [(alike(solid(rows), solid(other)), name) for name, other in levels.items() if name != path]
        closest = max(others) if others else (0.0, "-")
        print(f"{path}: cats {hunting}/{cats} hunting, cheese {cheese}, lanes {lanes(rows)}, "
              f"closest {closest[1]} {closest[0]:.0%}")


def problems(index_lines, levels):
    if len(levels) < 40:
        yield f"{len(levels)} levels, fewer than 40"
    for path, rows in levels.items():
        if (len(rows[0]), len(rows)) != SIZE:
            yield f"{path}: {len(rows[0])} x {len(rows)}, not {SIZE[0]} x {SIZE[1]}"

    cells = {path: solid(rows) for path, rows in levels.items()}
    for a, b in itertools.combinations(sorted(levels), 2):
        if (share := alike(cells[a], cells[b])) > MOST_ALIKE:
            yield f"{a} and {b} share {share:.0%} of their walls and crates, turned, mirrored or shifted"

    fields = sorted(path for path, rows in levels.items() if lanes(rows) >= 3)
    if len(fields) > MOST_LANE_FIELDS:
        yield f"{len(fields)} levels are fields of crate bands between lanes, more than {MOST_LANE_FIELDS}: {fields}"

    hunting = {path: hunting_cats(rows) for path, rows in levels.items()}
    with_hunters = sum(1 for reach, _ in hunting.values() if reach > 0)
    if with_hunters < HUNTING_LEVELS:
        yield f"in only {with_hunters} levels can a cat walk to the mouse, not {HUNTING_LEVELS}"
    reach = sum(r for r, _ in hunting.values())
    cats = sum(c for _, c in hunting.values())
    if reach < HUNTING_SHARE * cats:
        yield f"only {reach} of {cats} cats can walk to the mouse, fewer than half"

    cheese = {path: sum(row.count("K") for row in rows) for path, rows in levels.items()}
    if sum(cheese.values()) < CHEESE:
        yield f"{sum(cheese.values())} pieces of cheese in the pack, fewer than {CHEESE}"
    for path in sorted(levels)[FIRST_FULL_LEVEL:]:
        if cheese[path] < CHEESE_PER_LEVEL:
            yield f"{path}: {cheese[path]} pieces of cheese, fewer than {CHEESE_PER_LEVEL}"

    files = sorted(os.path.basename(path) for path in levels)
    entries = [line.split("\t") for line in index_lines if line and not line.startswith("#")]
    if [entry[0] for entry in entries] != files:
        yield f"the index lists {[entry[0] for entry in entries]}, the pack holds {files}"
    for entry in entries:
        if len(entry) != 3 or not entry[1].strip() or not entry[2].strip():
            yield f"index: {entry[0]} lacks a name or a hint"
    names = [entry[1] for entry in entries if len(entry) > 1]
    for name in sorted({name for name in names if names.count(name) > 1}):
        yield f"index: two levels are called {name}"
    if files != [f"level{n:03d}.lvx" for n in range(len(files))]:
        yield f"the level files are not numbered from 000 without gaps: {files}"


def drift(builder, index, paths):
    """Files that differ from what the builder makes of its drawings."""
    sys.path.insert(0, os.path.dirname(os.path.abspath(builder)))
    sys.dont_write_bytecode = True  # nothing lands in the source tree
    import make_levels
    made = make_levels.built()
    given = {os.path.basename(path): path for path in paths + [index]}
    for name in sorted(set(made) | set(given)):
        if name not in given or name not in made:
            yield f"{name}: {'not in the pack' if name not in given else 'not drawn in the builder'}"
            continue
        with open(given[name], encoding="utf-8") as f:
            if f.read() != made[name]:
                yield f"{name} differs from the builder's drawing and card: run tools/make_levels.py data"


def main(arguments):
    show = arguments[:1] == ["--report"]
    builder = arguments[1] if arguments[:1] == ["--builder"] else None
    arguments = arguments[1:] if show else arguments[2:] if builder else arguments
    index, paths = arguments[0], arguments[1:]
    with open(index, encoding="utf-8") as f:
        index_lines = f.read().splitlines()
    levels = {}
    for path in paths:
        with open(path) as f:
            levels[os.path.basename(path)] = f.read().splitlines()
    if show:
        report(levels)
        return 0
    found = list(problems(index_lines, levels)) + (list(drift(builder, index, paths)) if builder else [])
    for problem in found:
        print("FAIL:", problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
