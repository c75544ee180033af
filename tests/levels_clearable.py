"""Every shipped level can be cleared: each cat can walk to a trap cell, and a
crate stands in line to be pushed onto it.

A trap cell T, for a push in direction d: a crate lies some cells before T
along -d with nothing but floor between, the mouse has a floor cell behind that
crate, and once the crate covers T with the mouse beside it, none of T's other
seven neighbours is floor, so the cat has nowhere to go.
Usage: levels_clearable.py LEVEL.lvx..."""

import sys
from collections import deque

NEIGHBOURS = [(-1, -1), (0, -1), (1, -1), (1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0)]
WALKABLE_BY_CATS = set(".M")


def traps(grid):
    height, width = len(grid), len(grid[0])

    def at(x, y):
        return grid[y][x] if 0 <= y < height and 0 <= x < width else "H"

    found = set()
    for y in range(height):
        for x in range(width):
            if at(x, y) not in ".C":
                continue
            for dx, dy in [(1, 0), (-1, 0), (0, 1), (0, -1)]:
                others = [(x + nx, y + ny) for nx, ny in NEIGHBOURS if (nx, ny) != (-dx, -dy)]
                if any(at(*cell) in ".C" for cell in others):
                    continue
                k = 1  # walk back along the push to the crate
                while at(x - k * dx, y - k * dy) in ".C":
                    k += 1
                if at(x - k * dx, y - k * dy) == "B" and at(x - (k + 1) * dx, y - (k + 1) * dy) in ".M":
                    found.add((x, y))
    return found


def cat_reaches_trap(grid, start, trap_cells):
    height, width = len(grid), len(grid[0])
    seen, queue = {start}, deque([start])
    while queue:
        x, y = queue.popleft()
        if (x, y) in trap_cells:
            return True
        for dx, dy in NEIGHBOURS:
            nx, ny = x + dx, y + dy
            if 0 <= ny < height and 0 <= nx < width and (nx, ny) not in seen and grid[ny][nx] in WALKABLE_BY_CATS:
                seen.add((nx, ny))
                queue.append((nx, ny))
    return False


def main(paths):
    failed = 0
    for path in paths:
        grid = [line.rstrip("\n") for line in open(path)]
        trap_cells = traps(grid)
        for y, row in enumerate(grid):
            for x, c in enumerate(row):
                if c == "C" and not cat_reaches_trap(grid, (x, y), trap_cells):
                    print(f"FAIL: {path}: the cat at line {y + 1}, column {x + 1} can reach no trap")
                    failed += 1
    print(f"checked {len(paths)} levels: {failed} cats without a trap")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
