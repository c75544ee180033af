"""Every shipped level can be cleared, cat by cat, and wastes no cheese.

A trap is a spot P the mouse can walk to, a direction d and a cell T: with a
cat at T, pushing along d from P again and again (each covered cat escaping to
its first free neighbour, clockwise from the upper left, as in the game) ends
with the cat caught.

Each cat must be either
- shut in: it has only a few cells to move in, and a trap catches it where it
  stands; or
- baited: a cat walking straight at the mouse waiting on a trap's spot P (one
  step at a time, always to the neighbour nearest P, stopping where no step
  gets nearer) ends on a trap cell of P, and it gets there from at least one
  cell of its own room that is not already a trap cell.
A cat fenced in by cheese is judged as it will be once the mouse eats the fence.
Every cheese must be within the mouse's walk without pushing a crate.
Usage: levels_clearable.py LEVEL.lvx..."""

import math
import sys

NEIGHBOURS = [(-1, -1), (0, -1), (1, -1), (1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0)]
PUSHES = [(1, 0), (-1, 0), (0, 1), (0, -1)]
SHUT_IN = 16        # a cat with no more cells than this cannot get away
LONGEST_CHAIN = 16  # pushes in a row a player makes to herd a shut-in cat


class Grid:
    def __init__(self, rows):
        self.rows = [list(row) for row in rows]
        self.height, self.width = len(rows), len(rows[0])

    def at(self, x, y):
        return self.rows[y][x] if 0 <= y < self.height and 0 <= x < self.width else "H"

    def put(self, x, y, c):
        self.rows[y][x] = c

    def cells(self):
        return ((x, y) for y in range(self.height) for x in range(self.width))


def chain_catches(grid, spot, push, cat, limit):
    """Pushes from `spot` along `push` with one cat at `cat`; True once it is caught."""
    g = Grid(grid.rows)
    for x, y in g.cells():
        if g.at(x, y) in "CM":
            g.put(x, y, ".")
    (mx, my), (dx, dy), (cx, cy) = spot, push, cat
    g.put(cx, cy, "C")
    for _ in range(limit):
        n = 1
        while g.at(mx + n * dx, my + n * dy) == "B":
            n += 1
        if n == 1 or g.at(mx + n * dx, my + n * dy) == "H":
            return False  # no crate ahead, or the row is stuck
        g.put(mx + n * dx, my + n * dy, "B")
        mx, my = mx + dx, my + dy
        g.put(mx, my, "M")
        if g.at(cx, cy) == "B":
            free = [(cx + nx, cy + ny) for nx, ny in NEIGHBOURS if g.at(cx + nx, cy + ny) == "."]
            if not free:
                return True
            cx, cy = free[0]
            g.put(cx, cy, "C")
    return False


def mouse_walk(grid):
    """Cells the mouse reaches without pushing; cats count as floor, since they move."""
    start = next((x, y) for x, y in grid.cells() if grid.at(x, y) == "M")
    seen, todo = {start}, [start]
    while todo:
        x, y = todo.pop()
        for dx, dy in PUSHES:
            n = (x + dx, y + dy)
            if n not in seen and grid.at(*n) not in "HB":
                seen.add(n)
                todo.append(n)
    return seen


def cat_room(grid, start, cheese_eaten):
    blocked = "HB" if cheese_eaten else "HBK"
    seen, todo = {start}, [start]
    while todo:
        x, y = todo.pop()
        for dx, dy in NEIGHBOURS:
            n = (x + dx, y + dy)
            if n not in seen and grid.at(*n) not in blocked:
                seen.add(n)
                todo.append(n)
    return seen


def traps(grid, walk):
    """{(spot, push): trap cells}, found with no other cat on the board."""
    found = {}
    for x, y in grid.cells():
        if grid.at(x, y) != "B":
            continue
        for dx, dy in PUSHES:
            spot = (x - dx, y - dy)
            if spot not in walk:
                continue
            ex, ey = x, y
            while grid.at(ex, ey) == "B":
                ex, ey = ex + dx, ey + dy
            for gap in range(LONGEST_CHAIN - 2):
                cell = (ex + gap * dx, ey + gap * dy)
                if grid.at(*cell) not in ".C":
                    break
                if chain_catches(grid, spot, (dx, dy), cell, LONGEST_CHAIN):
                    found.setdefault((spot, (dx, dy)), set()).add(cell)
    return found


def walks_into(grid, spot, cells, cheese_eaten):
    """Cells from which a cat walking at the mouse on `spot` ends on one of `cells`."""
    blocked = "HB" if cheese_eaten else "HBK"
    end = {}

    def stop(cell):
        path = []
        while cell not in end:
            path.append(cell)
            here = math.dist(cell, spot)
            options = [(cell[0] + dx, cell[1] + dy) for dx, dy in NEIGHBOURS]
            options = [n for n in options if grid.at(*n) not in blocked and math.dist(n, spot) < here]
            if not options or cell == spot:
                end[cell] = cell
                break
            cell = min(options, key=lambda n: math.dist(n, spot))
        for step in path:
            end[step] = end[cell]
        return end[path[0]] if path else end[cell]

    return {cell for cell in grid.cells() if grid.at(*cell) not in blocked and stop(cell) in cells}


def cat_problem(grid, cat, found):
    for cheese_eaten in (False, True):
        room = cat_room(grid, cat, cheese_eaten)
        if len(room) <= SHUT_IN and any(cat in cells for cells in found.values()):
            return None
        for (spot, _), cells in found.items():
            if cells & room and (walks_into(grid, spot, cells, cheese_eaten) & room) - cells:
                return None
    return "cannot be baited into any trap, nor caught where it is shut in"


def problems(rows):
    grid = Grid(rows)
    walk = mouse_walk(grid)
    found = traps(grid, walk)
    for x, y in grid.cells():
        if grid.at(x, y) == "K" and (x, y) not in walk:
            yield f"line {y + 1}, column {x + 1}: cheese the mouse can never reach"
        if grid.at(x, y) == "C":
            problem = cat_problem(grid, (x, y), found)
            if problem:
                yield f"line {y + 1}, column {x + 1}: the cat {problem}"


def main(paths):
    failed = 0
    for path in paths:
        rows = [line.rstrip("\n") for line in open(path)]
        for problem in problems(rows):
            print(f"FAIL: {path}: {problem}")
            failed += 1
    print(f"checked {len(paths)} levels: {failed} problems")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
