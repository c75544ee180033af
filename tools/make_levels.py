"""Builds the level pack: 32 x 20 boards drawn from pens, walls and pieces.

Usage: python3 tools/make_levels.py data
Every level is as large as level 0, since the window keeps level 0's size."""
import sys

W, H = 32, 20


class Board:
    def __init__(self):
        self.g = [["H"] * W] + [["H"] + ["."] * (W - 2) + ["H"] for _ in range(H - 2)] + [["H"] * W]

    def put(self, x, y, c):
        assert 0 < x < W - 1 and 0 < y < H - 1, (x, y)
        self.g[y][x] = c

    def stamp(self, x, y, *rows):
        for dy, row in enumerate(rows):
            for dx, c in enumerate(row):
                if c != " ":
                    self.put(x + dx, y + dy, c)

    def wall(self, x0, y0, x1, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, "H")

    def pen(self, x, y, length, side="left", cat=None, closed=True, cheese=True):
        """A corridor one cell high: the mouth at x (left) or x + length (right),
        the dead end at the other end. `cat` counts cells from the mouth."""
        self.wall(x, y - 1, x + length, y - 1)
        self.wall(x, y + 1, x + length, y + 1)
        cells = list(range(x, x + length + 1)) if side == "left" else list(range(x + length, x - 1, -1))
        for c in cells:
            self.put(c, y, ".")
        self.put(cells[0], y, "B" if closed else ".")
        self.put(cells[-1], y, "H")
        if cheese:
            self.put(cells[-2], y, "K")
        if cat is not None:
            self.put(cells[cat], y, "C")
        if not closed:  # the crate that seals it waits two cells out, the mouse's cell behind it
            out = cells[0] - 2 if side == "left" else cells[0] + 2
            self.put(out, y, "B")
            self.put(out - 1 if side == "left" else out + 1, y, ".")

    def vpen(self, x, y, length, side="top", cat=None, closed=True, cheese=True):
        self.wall(x - 1, y, x - 1, y + length)
        self.wall(x + 1, y, x + 1, y + length)
        cells = list(range(y, y + length + 1)) if side == "top" else list(range(y + length, y - 1, -1))
        for c in cells:
            self.put(x, c, ".")
        self.put(x, cells[0], "B" if closed else ".")
        self.put(x, cells[-1], "H")
        if cheese:
            self.put(x, cells[-2], "K")
        if cat is not None:
            self.put(x, cells[cat], "C")
        if not closed:
            out = cells[0] - 2 if side == "top" else cells[0] + 2
            self.put(x, out, "B")
            self.put(x, out - 1 if side == "top" else out + 1, ".")

    def text(self):
        rows = ["".join(r) for r in self.g]
        assert sum(r.count("M") for r in rows) == 1
        assert all(len(r) == W for r in rows)
        return "".join(r + "\n" for r in rows)


def level(n):
    b = Board()
    if n == 0:  # two cats, each shut in; push the crate in after them
        b.pen(6, 5, 9, cat=3)
        b.pen(16, 11, 9, side="right", cat=2)
        b.stamp(3, 2, "K"); b.stamp(28, 2, "K"); b.stamp(3, 15, "K"); b.stamp(28, 15, "K")
        b.stamp(8, 16, "BB"); b.stamp(20, 16, "BB")
        b.put(15, 8, "M")
    elif n == 1:  # one cat roams: lure it into the open pen
        b.pen(4, 3, 9, cat=4)
        b.pen(9, 10, 10, side="right", cat=None, closed=False)
        b.pen(12, 15, 11, cat=6)
        b.stamp(19, 4, " B ", "BBB")
        b.stamp(2, 18, "K"); b.stamp(29, 18, "K")
        b.put(24, 7, "C")
        b.put(10, 7, "M")
    elif n == 2:  # two roaming cats, two pens left open
        b.wall(15, 1, 16, 2); b.wall(15, 14, 16, 18)
        b.pen(4, 4, 7, side="right", closed=False)
        b.pen(20, 4, 7, cat=2)
        b.pen(4, 13, 7, side="right", cat=3)
        b.pen(20, 13, 7, closed=False)
        b.stamp(4, 16, "BB"); b.stamp(26, 16, "BB")
        b.stamp(1, 1, "K"); b.stamp(30, 1, "K"); b.stamp(1, 18, "K"); b.stamp(30, 18, "K")
        b.put(6, 8, "C"); b.put(26, 8, "C")
        b.put(15, 9, "M")
    elif n == 3:  # a walled yard in the middle, four cats
        b.pen(2, 3, 8, side="right", cat=2)
        b.pen(21, 3, 8, cat=2)
        b.pen(2, 16, 8, side="right", closed=False)
        b.pen(21, 16, 8, closed=False)
        b.stamp(11, 8, "HHHHHHHHH", "H.......H", "H.......H", "HHHH.HHHH")
        b.stamp(6, 6, "B", "B"); b.stamp(23, 6, "B", "B"); b.stamp(14, 6, "KK")
        b.stamp(3, 13, "BBB"); b.stamp(24, 13, "BBB")
        b.put(5, 9, "C"); b.put(26, 9, "C")
        b.put(15, 9, "M")
    elif n == 4:  # pens that open upwards and downwards
        b.vpen(5, 2, 7, cat=3)
        b.vpen(26, 4, 5, closed=False)
        b.vpen(5, 9, 6, side="bottom", closed=False)
        b.vpen(26, 10, 7, side="bottom", cat=2)
        b.wall(12, 6, 19, 6); b.wall(12, 13, 19, 13)
        b.stamp(14, 9, "B..B"); b.stamp(10, 3, "K"); b.stamp(21, 16, "K"); b.stamp(15, 2, "KK")
        b.put(12, 16, "C"); b.put(20, 3, "C")
        b.put(15, 10, "M")
    elif n == 5:  # five cats, crates in rows
        b.pen(2, 2, 9, side="right", cat=1)
        b.pen(20, 2, 9, closed=False)
        b.pen(2, 17, 9, side="right", closed=False)
        b.pen(20, 17, 9, cat=5)
        b.stamp(6, 6, "BBBB......BBBB....BB")
        b.stamp(6, 12, "BB....BBBB......BBBB")
        b.stamp(14, 9, "K"); b.stamp(1, 9, "K"); b.stamp(30, 9, "K")
        b.put(4, 9, "C"); b.put(27, 9, "C"); b.put(16, 14, "C")
        b.put(16, 9, "M")
    elif n == 6:  # a maze of short walls
        b.stamp(3, 3, "HHHHH....HHHHHHHH....HHHHH")
        b.stamp(3, 16, "HHHHH....HHHHHHHH....HHHHH")
        b.wall(8, 6, 8, 13); b.wall(23, 6, 23, 13)
        b.pen(10, 8, 11, cat=3)
        b.pen(10, 11, 11, side="right", closed=False)
        b.stamp(4, 6, "B", ".", "B", ".", "B"); b.stamp(27, 9, "B", ".", "B", ".", "B")
        b.stamp(2, 1, "K"); b.stamp(29, 1, "K"); b.stamp(2, 18, "K"); b.stamp(29, 18, "K"); b.stamp(15, 14, "KK")
        b.put(4, 13, "C"); b.put(27, 6, "C"); b.put(15, 1, "C"); b.put(15, 18, "C")
        b.put(15, 5, "M")
    elif n == 7:  # six cats in a field of crates
        b.pen(1, 3, 8, side="right", closed=False)
        b.pen(22, 3, 8, closed=False)
        b.pen(1, 16, 8, side="right", cat=2)
        b.pen(22, 16, 8, cat=2)
        for y in (6, 9, 12):
            b.stamp(5, y, "B...B...B...B...B...B")
        b.stamp(14, 1, "KKKK"); b.stamp(14, 18, "KKKK")
        b.put(7, 8, "C"); b.put(23, 8, "C"); b.put(11, 13, "C"); b.put(26, 11, "C")
        b.put(15, 10, "M")
    elif n == 8:  # two halves joined by gates
        b.wall(15, 1, 16, 18)
        b.put(15, 5, "."); b.put(16, 5, "."); b.put(15, 14, "."); b.put(16, 14, ".")
        b.put(15, 9, "B"); b.put(16, 10, "B")
        b.vpen(4, 4, 4, closed=False)
        b.vpen(27, 2, 6, cat=2)
        b.vpen(4, 11, 6, side="bottom", cat=3)
        b.vpen(27, 9, 6, side="bottom", closed=False)
        b.stamp(8, 8, "BBB", "B.B", "BBB"); b.stamp(20, 11, "BBB", "B.B", "BBB")
        b.stamp(9, 9, "K"); b.stamp(21, 12, "K")
        b.put(10, 3, "C"); b.put(21, 16, "C"); b.put(12, 15, "C"); b.put(21, 4, "C")
        b.put(7, 12, "M")
    elif n == 9:  # seven cats, little room
        b.pen(1, 2, 7, side="right", closed=False)
        b.pen(23, 2, 7, closed=False)
        b.pen(1, 17, 7, side="right", closed=False)
        b.pen(23, 17, 7, cat=1)
        b.stamp(6, 6, "HHH.........HHH", "H.............H")
        b.vpen(15, 2, 5, cat=3)
        b.stamp(8, 12, "B.B.B.B.B.B.B.B")
        b.stamp(4, 9, "BB"); b.stamp(25, 9, "BB"); b.stamp(10, 15, "KK"); b.stamp(20, 15, "KK")
        b.put(3, 5, "C"); b.put(28, 5, "C"); b.put(3, 14, "C"); b.put(28, 14, "C"); b.put(12, 9, "C")
        b.put(20, 9, "C")
        b.put(16, 15, "M")
    elif n == 10:  # eight cats and a cross of walls
        b.wall(15, 4, 16, 15); b.wall(5, 9, 26, 10)
        b.put(15, 9, "."); b.put(16, 10, ".")
        b.pen(2, 2, 7, side="right", closed=False)
        b.pen(22, 2, 7, closed=False)
        b.pen(2, 17, 7, side="right", cat=2)
        b.pen(22, 17, 7, closed=False)
        b.stamp(9, 6, "B"); b.stamp(22, 6, "B"); b.stamp(9, 13, "B"); b.stamp(22, 13, "B")
        b.stamp(1, 9, "K"); b.stamp(30, 10, "K"); b.stamp(11, 1, "KK"); b.stamp(19, 18, "KK")
        b.put(5, 6, "C"); b.put(26, 6, "C"); b.put(5, 13, "C"); b.put(26, 13, "C")
        b.put(12, 4, "C"); b.put(19, 15, "C"); b.put(12, 16, "C")
        b.put(20, 3, "M")
    elif n == 11:  # nine cats: the last stand
        b.pen(1, 2, 6, side="right", closed=False)
        b.pen(24, 2, 6, closed=False)
        b.pen(1, 17, 6, side="right", closed=False)
        b.pen(24, 17, 6, closed=False)
        b.stamp(10, 5, "HHHHHHHHHHHH")
        b.stamp(10, 14, "HHHHHHHHHHHH")
        b.stamp(6, 8, "B..B..B..B..B..B..B")
        b.stamp(6, 11, "B..B..B..B..B..B..B")
        b.stamp(14, 2, "KKKK"); b.stamp(14, 17, "KKKK")
        for x, y in ((4, 5), (27, 5), (4, 14), (27, 14), (8, 9), (23, 10), (15, 3), (16, 16), (11, 12)):
            b.put(x, y, "C")
        b.put(16, 9, "M")
    return b.text()


for n in range(12):
    with open(f"{sys.argv[1]}/level{n:03d}.lvx", "w") as out:
        out.write(level(n))
