"""Builds the level pack from the drawings below: python3 tools/make_levels.py data

Each level is drawn as its 30 x 18 inside; the builder adds the ring of walls,
so every level is 32 x 20, the size of the window. Names and hints live here,
since level files hold nothing but cells; the builder writes them to
levels.txt and, for the translators, to src/ui/pack_texts.cpp.

Legend: H wall, B crate, K cheese, C cat, M mouse, . floor.

The first three levels teach the moves. From the fourth on, every level is a
crate field: rows of crates with lanes of floor between them, where the cats
walk. A cat under a pushed crate escapes to a neighbour that is floor (a
crate, a wall, cheese, another cat and the mouse are not), so the player
closes the lane on both sides of a cat with crates pushed in from the rows
beside it, then pushes one onto it:

    B B B B B        push the crates over the cat's two neighbours down
    . . C . .        into the lane, then the one over the cat: no floor
    B B B B B        is left around it.

Holes in the rows, walls across the lanes, cheese (which a cat never steps
on), standing rows and open floor vary the fields. The layouts were sketched
with tools/sketch_fields.py and kept where whiskerdash-bot's measure put them
on the ramp (tools/level_curve.py); the drawings are the levels as shipped."""

import os
import sys

WIDTH, HEIGHT = 32, 20

LEVELS = []


def level(name, note, drawing):
    rows = drawing.strip("\n").split("\n")
    assert len(rows) == HEIGHT - 2, f"{name}: {len(rows)} rows"
    for number, row in enumerate(rows):
        assert len(row) == WIDTH - 2, f"{name}: row {number} has {len(row)} cells"
        assert set(row) <= set("HBKCM."), f"{name}: row {number}: {row}"
    assert sum(row.count("M") for row in rows) == 1, f"{name}: one mouse"
    LEVELS.append((name, note, rows))


def text(rows):
    ring = "H" * WIDTH
    return "".join(line + "\n" for line in [ring] + ["H" + row + "H" for row in rows] + [ring])


level("First steps", "walk, eat the cheese, and push the crate into the pen until the cat has no room left", """
..............................
..K.......................K...
..............................
...HHHHHHHHHHHH...............
...B...C......H......K........
...HHHHHHHHHHHH...............
..............................
..K......K......K.............
..............................
..............M...............
..............................
.......K..............K.......
..............................
..............................
..K..........K...........K....
..............................
..............................
..............................
""")

level("A row of crates", "a whole row moves when the mouse pushes its end", """
..............................
..K...........................
...HHHHHHHHHHHHH..............
...BBB.....C...H....K.........
...HHHHHHHHHHHHH..............
..............................
.......K..........M...........
.....................HBH......
.....................HBH......
.....................HBH......
........K............H.H......
.....................H.H......
.....................HCH......
.....................H.H......
.............K.......H.H..K...
.....................HHH......
..............................
..............................
""")

level("Nowhere to go", "three cats boxed in by crates, each caught by the first push onto it", """
..............................
..............................
....BBB..............BBB......
....BCB.......K......BCB......
....BBB..............BBB......
..............................
..............................
..........K.......K...........
..............M...............
..............................
..............................
..........BBB.................
..........BCB.........K.......
..........BBB.................
..............................
....K.....................K...
..............................
..............................
""")

level("One lane", "a cat in a lane between rows of crates: push a crate into the lane beside it, then one onto it", """
..............................
.........M....................
...................K....K.....
..............................
BBBBBBBBBBBBB.BB.BBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBB.BBBBB
..............................
B.BBBBBBBBBBBBBBBBBBBBBBBB.BBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
................C.............
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BB.BBBBBBBB.BBBBBBBBBBBBBBBBBB
..............................
BBBBBBBBBBBBBBBBBBBBBBB.BBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBB.B
""")

level("From below", "the open floor is at the bottom this time; the lanes run over it", """
BBBBBBBBBBBBBBBBBB.BBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
BBBBBB.BBBBBBBBBBBBBBBBBBBBBBB
BBBB.BB.BBBBBBBBBBBBBBBBBBBBBB
..................C...........
.BBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBB.BB.BBB.BBBBBBBBBBBBBBBBBB
..............................
BBBBBBB.BBBB.BBBBBBBBBB.BBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
BBBBBBBBBBB.BBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
.K...K.......K..M.............
..............................
""")

level("Standing rows", "rows of crates that stand upright: the lanes run up and down", """
....BB.BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB.BB.BBB.BB.BBB
.K..BB.BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB.BB.BBB.BB.BBB
..K.BB.BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB.BB..BB.BB.BBB
....B..BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB.BB.BBB.BB.BBB
..K.BB.BB.BBB.BB.BB.BBB.BB.BBB
..M.BB.B.C.BB.BB.B..BBB.BB.BBB
....BB.BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB..B.BBB.B..BBB
....BB.BB.BBB.BB.BB.BBB.BB.BBB
....BB.BB.BBB.BB.BB.BBB.B..BBB
""")

level("Two lanes", "two cats in two lanes: close one lane without opening the other", """
..C............C..............
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBB.BBB
BBBBBBBBBBBBBBBBBBBBBB.BBBBBBB
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBB.BBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBB.B.
..............................
BBBBBBBBBBBBBBBBBBBBB.BBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBB.BBBBBBBBBBBBBBBBBBBBBBBB
..............................
...K.K..........M...........K.
..............................
""")

level("Dead ends", "walls cut the lanes: drive a cat to the end of its lane and close it in", """
..............................
..............................
...............K.........M....
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBB.BBBBBBBBBBBBBBBBBBBBBB
...H...................H......
B.BBBB.BBBBBBBBBBB.BBBBBBBBBBB
BBBBBBB.BBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBB.BBBB.BBBBBBBBBBBBB.
...H...................H......
BBBBBBBBBBBBBBBBBBBBBBB.BBBBB.
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
...H....C..........C...H......
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
.BBBBBBBBBBBBBB.BBBBBBBBBBBBBB
BBBBBBBB.BBBBBBBBBBBBBBBBBBBBB
""")

level("Three lanes", "three cats in three lanes: catch them one by one, nearest first", """
..............................
..............................
..............K...............
............M....K......K.....
..............................
BBBBBBB.BBBBBBBBBBBBBBBB.BBBBB
BBBBBBBBBBBBBBBBBBBBBBBBB.BBBB
..............................
BBBBBBB.BBBBBBBBBBBBBBBBB.BB.B
BBBBBBB.BBBBBBBBBBBBB.BBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..................C...........
BBBBBBBBBBBBBBBBBBBBB.BBBBBBBB
BBB.BBBBBBBBBBBBBBBBBB.BBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..........C............C......
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBB.BBBBB
""")

level("Three ways", "a road through the middle, holes in the rows and posts", """
B.BBBB.BBBBBBBBBBBBBBBBBBBBBBB
..............................
BB.BBBBBBBBB.BBBB.BBBBBBBB.BBB
BBBBBBBBBBBBBBBBBBBBBBB.BB.B.B
..............................
BBBBBBBHBBBBHBBHBHBBBBHBB.BBBB
BBBBBBBBBBBHBBBBBB.BBBBBBBBBBB
BB..BBBB.BBBBBBBBBBBBBB.BBBBB.
..............................
.....KK.M........K............
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBB..
.BHBBBBBBB.BBBBBBBBBB..BBBBBBH
..............C.C.............
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
B..HBBBBBBBBBBBBBBBB.BBB.BBBBB
BBBBBBBBBBHBBBBBBBB.B.BBBBBBB.
..C...........................
""")

level("Cheese bait", "cheese waits deep in the lanes, where the cats are: worth the walk, if the way back is open", """
..............................
..............................
..............................
....................M.........
..............................
BBBBBB.BBBBBBBB.BBBBBBBBBBBBB.
BBBBBBBBBBBBKBBBBBBBBBBBB.BBBB
BBBBBBB.BBBBBBBBBBBBBBBBBBBBBB
.................K.........C..
BBBBBBBBBBB.BBBBBBBBBB.BBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBB.BB
..................K...........
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBB.BBBBB.BBBBBBBBBB
..........K...........K.......
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBB.BBBBBBBBBBBBBB
.................C............
""")

level("Posts", "walls stand among the crates: a row pushed against a post stops there", """
..............................
..................M...........
.K............................
....K........K................
..............................
BBBBBBBBB.BBBBBBBBBBBBBBBBBB.B
BBBBHBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBHHBBBBBBBBBBBBBBB
..............................
BBBHBBBBBBBBBBBBBBBBBB.BBBBBBB
BHBHBBBBBBBBBB.BBBBBBBBBBBBBBB
HBBBBBBBBBBBBBB.BBBBBBBBBBBBBB
...........................C..
BBBBBBBBBBB.BBBBBBBBBBBBBBBBBB
BBBB.BBBBBBBBBBB.BBBBBBBBBBBBC
..............................
BBBBBBHBBBBBBBBBBBBBBBBBBBBBB.
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
""")

level("Thick rows", "rows three crates deep are heavy to dig through, but hold a cat well", """
..............................
.........M.K............K..K..
..............................
.BBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBB.BBBBBBBBBBB.BBB.B
..............................
BBBBBBB.BBBBBBBBBBBBBBBBBBBBBB
BBBBBBB.BBBB.BBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBB.BBBBB
..............................
BBBBBBBBBBBBBBBBBBBBBBBBB.BBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
................C.............
BBBBBBBB.BB.BBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBB.BBBBBB
..................C...........
.BBBBBBBBBBBBBBBBBBBBBBBBBBBBB
""")

level("Cheese fence", "a cat cannot step onto cheese: cheese in a lane fences a cat in, so eat it last", """
..............................
.......M................K.....
..............................
.BBBBBBBBBBBBBBBBBBB.BBBBBBBBB
BBB.BBBBBBBBBBBBBBBBBBBB.BBBBB
.K............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBB.B
BBBBBBBBBBBBBBB.BBBBBBBBBBBBB.
...............K..............
BBBBBBBBBBBBBBBBBBB.BBBBBBBBB.
BBBBBBBBBBBBBBBBBBBBBBBBBBBBB.
...K..........C.........K.K...
BBBBBB.BBBBBBBBBBBBBBBBBBBBBBB
.BBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
...................K.C..KK....
BBBBBBBBB.BBBBBBBBB.BBB.BB.BBB
BBBBBBBBBBB.BBBBBBBBBBBBBBBBBB
""")

level("Both ways", "rows lie flat on the left and stand upright on the right", """
...............BBB.BBB.BB.BB..
.KM......K.....BB..BBB.BB.BB.B
...............BBB.BBB.BB.B..B
BBBBBBBBBBBBBBBBBB.BBB.BB.BB.B
BBBBBBBBBBBBBBBBBB.BBB..B.BB.B
...............BBB.BB..BB.BB.B
BB.BBBBBBBBBB.BBBB.BBB.BB.BB.B
BBBBBBB.BBBBBB.BBB.BBB.BB.BB.B
...............BBB.BBB....BB.B
BBBBBBBBBBBBBBBBBB.BBB.BBCBB.B
BBBBBBBBBBBBBBBBBB.BBB.B..BB.B
B.BBBBBBBBBBBBBBBB.BBB.BB.BB.B
........C......BBB..BB.BB.BB.B
.BBBBBBBBBBBBBBB.B.B.B.BB.BB.B
BBBBBBBBBBBBBBBBBB.BBB.BB.BB.B
BBBBBBBBBBBBBBBBBB.BBB.BB.BB.B
...............BBB.BBB.BB.BB.B
BBBBBBBBBBBBBBBB.B.BBB.BB.BB.B
""")

level("Open ends", "the field stops short of the walls: the lanes open onto the floor at their ends, and the cats can come out", """
..............................
................K.....K.......
.K............................
...BBBBBBBBBB.BBBBBBBBBBBBB...
...BB.BBBBBB.BBBBBBBBBBBBBB...
..............................
...BBBBB.BBBBBBBBBBBBBBBBBB...
...BBBBBBBBBBB.BBBBB.BBB.BB...
...BBBBBBBBBBBBBBBBBBBBBBBB...
..............................
...B.B.BBBBB.BBBCBBBBBBBBBB...
...BBB.BBBBBBBBBBBBBBBBBBBB...
.M............................
...BBBBBBBBBBBBBBBBBBBB.BBB...
...BBBBBBBBBBBBBBBBBBBBBBBB...
...............C.C............
...BBBBBBBBBBBBBBBBBBBBBBBB...
...B.BBBBBBBBBBBBBBB.BBBBBB...
""")

level("Side by side", "fields to the left and right of a road that runs down the middle", """
B.BB.BB.BB.B.....BBB.BB.BB.BB.
B.BB.BB.BB.BB..M.BBB.BB.BB.BB.
B.BB.BB.BB.BB....B.B.BB.BB..B.
B.BB.BB.BB.BB....BBB.BB.BB.BB.
B.BB.BB.BB.BB....BBB.BB.BB.B..
B.BB.BB.BB.BB....BBB.BB.BB.BB.
B.BB.BB.BB.BB....BBB.BB.BB.BB.
B.BB.BB.BB.BB....BBB.BB..B.B..
B.BB.BB.BB.BB.K..BBB.BB.BB.BB.
B.BB.BB.BB.BB.K..BB..BB.BB.BB.
B.BB.BB.BB.BB....BBB.BB.BB.BB.
B.BB..B.BB.BB....BBB.BB.BB.BB.
B.BB.BB.BB.BB....BBB.BB.B..BB.
BCB..BB.B.CBB....BBB.BB.B..BB.
B.BB.BB.BB.BB....BB...B.B..BB.
B.BB.BB.BB.BB.....BB..B.BB.BB.
B.BB.BB.BB.BB..K.BBB.BB.BB.B..
B.BB.BB.BB.BB....BB...B.BB..B.
""")

level("Wide lanes", "some lanes are two cells wide: a cat there needs two crates beside it", """
..............................
..K............K.......K....M.
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBB.BBBBBBBBBBBBBB.BBBBBBBB
..............................
BBBBBBBBBBBBBBBB.BBBBBBBBB.BBB
BBBBBBBBBBBBB.BBBBBBBBBB.BBBBB
...C..........................
BBBBB.BBBBBBBBBBBBBBBBBBBBB.BB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBB.BBBBBBBBBB
....C.........................
BBBBBBBBBBBBBBBBBBBBBBBBBBBB.B
BBBBBBBBBBBBBBBBB.BBBBB.BBB.BB
BB.BBBBBBBBBBB.BBBBBBBBBBBBBBB
..............................
BBBBBBBBBBBBBBBBB.BBBBBBBBBB.B
""")

level("Three in the field", "three cats: keep the ones you are not chasing shut in", """
..............................
........K..............K......
.......K................M.....
..............................
BBBBBBBBBBBBBBBBBBBBBB.BBBBB.B
BBB.BB.BBBBBBBBBBBBBBB.BBBBBBB
..............................
BBBBBBBBBBBBBBBBBBBBBBBBB.BBBB
BBBBBB.BBB.BBBBBBBBBBBBB.BBBB.
............C.................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBB.B.BBBB.BBBB.B
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
BBBB.BB.BBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBB.B.BBBBCBBB.BBBB.B
.................C............
BBBBBBBBB.BBBBBBBBBBBBBBBBBBBB
""")

level("Fenced and cut", "cheese fences and walls across the lanes together", """
..............................
..............................
............K..........M......
..............................
BBBBB.BBBB.BBBBBBBBBBBBBBBBBBB
BBBBBBBBBB.BBBBBBBBBBB.BBBBBBB
.BBBBBBBB.BBBBBBBBBBBBBBBBBBBB
..H.......KKC...........K..H.C
BBBBBBBB.BB.BBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBB.BBBBBB..BBBBBB
..H.....K...K..............H..
BBBBB.BBBBBBB..B.BBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBB.BBBBBBB.BB
..H........K...............H..
BBBBBBBBBB.BBBBBBBBB.B.BBBBBBB
B.BBBB.BBBBBBBBBBBBBBBB.BBBBBB
..H.................C......H..
""")

level("Upright and holed", "standing rows full of holes", """
.....B.BB.BBB..B.BB....BB.BB..
..MK.B.BB.BBB.BB.BB.BB.BB..B.B
....BB.BB.BBB.BB.BB.BB.BB.BB.B
....BB.BB.BBB.BB.BB.BB.BB.BB.B
.....B.BB.BBB.B..BB.BB.BB.BB.B
....BB.B..BBB.BB.B..BB.BB.B..B
.K..BB.BB.BBB.BB.BB.BB.BB.BBC.
....BB.BB.BBB....BB.BB.BB..B.B
....BB.BB.BBB.BB.B..BB.BB.BB..
....BB.B....B.BB..B.BB.BB.BB.B
....BB.BB.B.B.BB.BB.BB.BB.B..B
....BBCBB.BBB.BB.BB.BB.BB.B..B
....BB.BB.BBB.BB.BB.BB.BB.BB..
....BB.B...BB.BB.BB.BB.BB.BB.B
....B..BB.BB...B..B.BB.BB.BB.B
....BB.BB.BBB.BB..B.BB..B.BB.B
..K....BB..BB.BB.BB.BB.BB..B.B
....BB..B.BBB.BB.BBCBB.BB.BB..
""")

level("Posts and fences", "posts in the rows, cheese in the lanes", """
..............................
..K.......K..........M........
..............................
B.BBBBB.BBBHBBBBBBBBBBBB.BBBB.
BBBBBBBHBBBBBBBBBBBBBBB.BBBBB.
........................K.K...
BBBBBBBBBBBBBBBBBBBBBBBBBBB.BB
BBBBBBBBB.BBBBBBBBBBBBBBBBBBBB
...C...............C......K.K.
BBB.BBBHBBBBBBBBBB.BBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBB.BBBBBBBBB
.............C.K.......K......
BB.BHBBBBBBBBBBBBBBB.BBBBBBBBB
B.B.BBBBBBBBBB.BBBBBBBBBBBBBBB
..............................
BB.BHBBBBBBBBBBBBBBBBBBBBBB.BB
BBBBBBBBBBBBBBBBBBBBBBBBBB.B.B
..............C...............
""")

level("Gaps in the rows", "holes in the rows let the cats change lanes: close the holes near them first", """
..............................
.......K.....KM...K...........
..............................
BBBB.BBB.BBBBBBB.B.B.B.BBBBBB.
..BBB.BBBBB..BBBBBBBBBBBBBBBBB
..............................
BBBBBBBBBBB.BB.BBB.BBBBBBB.BB.
BBBBBBBBBBBBBB.BB.BBB.BBB.B.BB
B.BB..BBBBBBBBBBBBBBBBBBBBB.BB
.............C................
BBBBBBBB..BBB.BBBBCBBBBBBBBBBB
BBB.BBBB.BBBBBBB.BBBBBBBBBBB.B
B.BBBBBBBB.BBBBB.BBB.BBBBBBBB.
..............................
.B.BBBBBBBB.BBB..B.BBBBBB.BBBB
BBBB..B.BBB.BBBBBBBBBBBBBBB.B.
BB.BBBBBBBBBBBB.BBB.B.B.BBBBBB
..............................
""")

level("Narrow floor", "only two rows of open floor to stand on", """
..K....M......................
.....K........................
BB.BBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBB.BBBBBBBBBBBBBB
..............................
BB.BBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBB..BBBBBBBBBBBBBBBBBBBBBB
........................C.....
BB.BBBBBBBBBBBBBBBBBBBBBBBBBBB
.BBBBBBBBBBBBBBBBBB.BBB.BB.BBB
......................C.......
BBBBBBBBBBBBBBB.BBBBBBBBBBBBBB
BBBBB.BBBBB.BBBBBBBB.BBBBBBBBB
..............................
B.BBBBBBBBBBBB.BBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
C.............................
BBB.BBBBBBBBBBB.BBBB.BBBBBBBBB
""")

level("Thick and cut", "deep rows, and a wall across the lanes", """
..............................
.M......K............K....K...
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
B.BBBBBBBBBBBBBBBBBBBBBB.BBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
.....H........................
.BBBBBBBBBBBBBBBBBBBB..B.BBBBB
BBBBB.BBBBBBBBBBBBBBBBBBBBBBBB
..C..H........................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBB.BBBB..BBBBBBBBBBBBB.BBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
.....H........C...............
BBBBBB.BBBB.BBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBB.BBBB
BBBBB.BBBBBBBBBBBBBBBBBBBBBB.B
.....H............C...........
""")

level("Five in the lanes", "five cats in lanes that lie flat on the left and stand upright on the right", """
................BBB.BB.BB.BB.B
.K...K.K.M......BBB.BB.BB.BB.B
................BBB.BB.BB.BB.B
BBBBBBBBB.BBBBB.BBB.BB.BB.BB.B
BBBBBBBBBBBBBBB.BBB.BB.BB.BB.B
BBBBBBBBBBBBBBB.BBB..B.BB.BB.B
................BBB.BB.BB.BB.B
BB.BBBBBBBB.BBB.BBB.BB.BB.BB.B
BBBBBBBBB.BBBBB.BBB.BB.BB.BB.B
BBBBBB.BBBBBBBB.B.B.BB.BB.BB.B
.......C........BBB.BB.BB.B.CB
BBBBBBBBBBBBBBB.BBB.BB.BB.BB.B
BBBBBBBBBBBBBBB.BBB.BB.BB.BB.B
BBBBBBBBBBBBBBB.BBB.BB.BB.BB.B
.C..............B.B.BB..B.BB.B
BBBBBBBBBBBBBBB.BBB.BB.BB.BBCB
BBBBBBBB.BBBBBB.BBB.BB.B..BB.B
................BBB.B..BB.BB.C
""")

level("Four cats", "four cats in flat rows", """
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBB.BBBBBBBBBBBB
C.............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBB.BBBBBBBBBBB
............................C.
BBBBBBBBBB.BBBBBBBBBBBBBBBBBBB
BBBBBBBBBBB.BBBBBBBBBBBBBBBBBB
BBBBBB.BBBBBBBBBBBBBBBBBBBBBBB
...........................CC.
BBBBBBBBBBBBB..BBBBBBBBB.BBBBB
.BBBBBBBB.BBBBBBBBBBBBBBBBBBBB
..............................
...........K...............K..
........................K.....
.........M....................
..............................
""")

level("Bait on both sides", "cheese in the lanes of a field split down the middle", """
.BB.BB.BBB.BB....BBB.BB.BB.BB.
KBB.BB.BBB.B.....BBB.BB.BB.BB.
.BB.BB.BBB.BB....BBB.BB.BB.BB.
.BB.BB.BBB.BB....B.B.BB.BBCBB.
.BB.BB.BBB.BB....BBB.BB.B..BB.
.BB.BB.BBB.BB.....BB.BB.BB.BB.
.BB.BB.BBB.BB....BBB.BB.BB.BB.
.BB.BB.BBB.BB....BB..BB.BB.BB.
.BB.CB.BBB.B.....BBB.BB.BB.BB.
.BB.BB..BB.BB....BBB.BB.BB.BB.
.BB.BB.BBB.BB....B.B..B.BB.BB.
.BB.BB.BBB.BB....BBB.B..BB.BB.
.B..BB.BBB.BB....BBB..B.BB.BB.
.BB.BB.BBBKBB....BBB..B.BB.BB.
.BB.BB.BBB.BB....BBB.BBCBB.BB.
..B.BB.BBB.BB..M.BBB.BBKBB.BB.
.BBKBB.BB..BB....BBB.BB.BB.BB.
.BB.BK.BBB.BB....BBB.BB.BB.BB.
""")

level("The corner", "two fields meet at a corner, one lying and one standing", """
...BBB.BB.BB.BB.BB.BB.BB.BB.BB
.M.BBB.BB.BB.BB.BB.BB.BB.BB.BB
....BB.BB.BB.BBCBB.BB.BB.B..BB
BBBBBB..B.BB..B.BBCBB.BB.BB.BB
BBB.BBBBB.BB.BB.BB.B..BB.BB.BB
BBBBBBBBB.BB.BB....BB.BB.BB.BB
..........B..BB.BB.BB.BB.BB.BB
BBBBBBBBBBBB.BB.BB.BB.BB.BB.BB
BBBBBBBBBBBBBBB.BB.BB.BB.B..BB
BBBBBBBBBBBBBBB..B..B.BB.BB.BB
.................B.BB.B..BB.BB
.BBBBBBB.BBB.BBBBBBBB.BB.BB.BB
BBB.BBBBBB.BBBBBBBBBB.B..B..BB
BBBBBBBBBBBBBBBBBBBBBBBB.BB.BB
...C.....................BB.BB
BB.BBBBBBBB.BBB.BBB.BBBBBBB.BB
BBBBBBBBBBB..BBBBBBBBBBBBBB.BB
.............................B
""")

level("Middle road", "the mouse starts on a road through the middle, with fields above and below", """
..............................
BBB.BBBBBBBBBBBBBBBBBBB.BBBBBB
BBBBBB.BBBBBBBBB...BBBBBBBBBBB
BBBBBBB.BBBBBBBBBBBBBBBBBBBBBB
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBB.BBBBBBB
BBBBBBBB.BBB.BBBBBBBBBBBBBBBBB
..............................
.M......K........K.....K......
..............................
B.B.BBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBB.BBBBB.BBBBBBBBBBBBBBBB
...........C..C...............
BBB.BBBBBBBBBBBBBBBBBBB.BBBBBB
BB.BB.BBBBB.BBBBBBBBBBBBBBBBBB
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
""")

level("Four on the road", "four cats on both sides of the middle road", """
BB.BBBBBBB.BBCBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
.C.................C..........
BBBBBBBBBB.BBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
C.............................
.BBB.BBBBBBBBBBBBBBBBBBBBBBBB.
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
.K....K..........K.........M..
..............................
.BBBBBBBBBBBBBBBBBBBBBBBBBBBB.
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBB.BBBBBBBBBBBBBBBBBBBBBB
..............................
BBBBBBBBBBBBBBBBBBBBBBB.BBBBBB
B.BBBBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
""")

level("Mixed field", "rows lying and standing, two and three deep", """
...............BB.B.B.BB.BB.BB
.........MK....BB.BBB.BB.BB.BB
............K..BB.BBB.BB.BB.B.
...............B...BB.BB.BB.BB
BBBBBBBBBBBBBBBBB.BBB.BB.BBCBB
BBBBBBBBBBBBBBBBB.BBB.BB.BB.BB
...............BB.BBB.BB.BB.BB
BBBBBBBBBBBBBBBBB.BB..BB.BB.BB
BBBB.BBBBBBBBBBBB.BBB.BB.BB.BB
BBBBB.BBBBBBBBBBB.BBB.BB.BB.BB
.......C.......BB.BBBCBB.BB.BB
BBBBBBBBBBBBBBBBB.BBB.BB.BB.BB
BBBBBBBB.BBBBBBBB.BBB..B.BB.BB
...............BB..BB.BB.BB.BB
BBBBBBBBB.BBBBBBB.BBB.BB.BB.BB
BBBBBBCBBBBBB.BBB.BBB.BB.BB.BB
...............BB.BB..BB.BB.BB
BBBBBBBBBBBB.BBBB.BBB.BB.BB.BB
""")

level("Four standing", "four cats in standing rows", """
...BB.BB.BBB.BBB.BB.BB.BB.BB.B
...BB.BB.BBB..BB..B.BB.BB.BB.B
.K..B.BB.BB..BBB.BB.BB.BB.BB.B
.M.BB.B..BBB.BBB.BB.BB.BB.B..B
.K.BB.BB.BBB.BBB.BB.BB.BB.BB..
...BB.BB.BBB..BB.BB.BB.BB.BB.B
...BB.BB.B.B.BBB.BB.BB.BB.BB.B
...BB.BB.BBB.BBB.BB.BB.BB.B..B
...BB.BB.BBB.BBB.BB.B..BB.BB.B
....B.BB.BBB.BBB.BB.BBCBB.BB.B
...BB.BB.BBB.BBB.BB.BB.BB.BB.B
...BB.BB.BBB.BB..BBCBB.BB.BB.B
...BB.BB..BB.BBB.BB.BB.BB.BB.B
...BB.BB.BBB.B.B.BB.BB.BB.BB.B
...BB.BB.BBB.BBBCBB.BB.BB.BB.B
.K.BB.BB.BBB.BBB.BB.B..BB.BB.B
...BB.BB.BBB.BBB.BBCBB.BB.BB.B
...BB.BB.BBB.BBB.BB.BB.BB.BB.B
""")

level("Crossroads", "flat and standing rows meeting at the corner, with holes", """
.....BB.BB.BBB.BB..BB.BBB.BB..
.....BB.BB..BB.BBB.BB.B.B.BBCB
.K.K.BB.BB.B.B..BB.BBCBBB.BB.B
.K.M.BB.BB.BBB.BBB.BB.BBB.BB.B
........BB..BB.BBB.B..BBB.BB.B
.BB.BBBBBB..BB.BBB.BB.BBB..B..
BBBBBB.BB..BBB.BBB.BB.BBB.BB.B
............BB.BBB.BB.BBB.BB..
BBBBBBBBBBBBBB.BBB.BB.BBB..B.B
.BBBBBBBBBBBBBBBBB.BB.BB..BB.B
.................BCBB.BBB.BB.B
BBBBBBBBBBBBBBBBBBBB...BB.BB.B
BBBBBBBBB.BBBBBBBB.BB.BBB.BB.B
.C......................B..B.B
BBBBBBBBB..BBBBBBBBBBBBBB.BB.B
BBBBBBBBBBBBBBBBBBBBBBBBB.BB.B
...........................B.B
BBBBBBBBB.BBBBBBBBBBBBBBBBBBBB
""")

level("Wide and holed", "wide lanes and holes: the cats have room to run", """
..............................
..............................
..........K.K.................
.................K............
..............................
BBBBBBBBBB.BBBBBBBBB.BBBBBB.BB
BBBBBBBBBBBBBBB.BBBB.BBBBBBBBB
....C...........C.....C.......
BB.BBBBBBBBB.BBBBBBBBB.BBBBBB.
BBB.BBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
B.BBBBBBBBB.BBBBBBBBBBBBBBB..B
BBBBB.BBB.BBBBBBBBBBBBBBBBBBBB
..............................
...............M..............
BBBBB...BBB.BBB..BBBBBBBBBBB..
BB.BBBBBBBBBBBBB.BBBBB.B.B.BBB
..............................
""")

level("Split and fenced", "fields above and below, cheese fences in every field", """
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
BB.BBBBBB.BBBBBBBBBBBBBBBBBBBB
K...K....K.........CK.........
BBBB.BBBBBBCBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
..KK........K......K..........
BBBBBBBBBBBBBBBBBBBBBBBBBBB.BB
B.B.BBBBBBBBBBBBBBBBBBBBBBBBBB
..............................
.....K.........K........M.....
..............................
BBBBBBBBBBBBBBBBBBBBBBBBBBBBB.
BBBBBBBB.B.BBB.BBBBBBBB.BBBBBB
.C...........KKC.C............
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
.BBBBBBBBBBB.BBBBBBBBBBB.BBBBB
.....KK..K........KK..K.......
BBBBBBBBBBBBBBBBBBBBBBBBBBBBBB
""")

level("Five cats", "five cats in a field with a few holes", """
.BB.BBB.BBB.BB.BB.BB.BB.BB....
.BB.BBB.BBB.BB.BB.BB.BB.BB.K..
.BB.B.B.B.B.B..BB..B.B..BB....
.BB.BBB.BBB.BB.BB.BB.BB.BB....
.BBCB.B.BBB.BBCBB.BB.BB.BB....
.BB.BBB.BBB.BB.BB.BB.BB.BB.M..
..B.BBB.BBB.BB.BB.BB.BB.BB.K..
.BB.BBB.BBB.BB.BB.BB.BB.BB....
.BB.BBB.BBB.BB.BB.BB.BB.BB....
.B..BBB.BBB.BB.B.CBB.BB.BB....
.BB.BBB.BBB.BB.BB.BB.BB.BB....
.BB.BBB..BB.BB.BB.BB.BB.BB.K..
.BB.BBB.BBB.BB.BB.BB.B..BB....
.BB.BBB.BBB.BB.BB.BB..B.BB....
.BB.BBB.BBB.BBCBB.BB.BB.BB....
.BB.BBB.BBB.B..BB.B..BB.BB....
.BB.BB..BBB.BB.BB.BBCBB.BB....
.BB.BBB.BBB.BB.BB.BB.BB..B....
""")

level("Six cats", "six cats where two fields meet, with holes and posts", """
....BB.BBB.BBB.B..BB.BB.BB.BBB
.KM.BB.BBB.BBB.BB.BB.BB..B.BBB
..K.BB.BBB.BBB.BB.B..B..BB.BBB
.....B.BBB.BBB.BB.BB..B.BB.BBB
BBBBBBBBBB.B.B.B..BB.BBCBB.BBB
.B.BBBBBBB.B.B.BB.BBCBB..B.BBB
.BB.BBBBBB.BBB.BB.BB.BB..B.BBB
............BB.BB.BB.BB.BB.BBB
BBBBBBBBBB.BB.CB..BB.BB.BH.BBB
BBBBBBBBB.BBBB.BB.BB.BB.BB.BBB
..................BB.BB..B.BBC
BBBBB.B.BBBBBBBBBBBB.BB.BB.BBB
BBBBBB.BBBBBBBBBBBBB.BB.BB.BBB
.CBBBBBBBBBBBBBBB.BBBBB.BB.BB.
......C.................BB.BBB
BHBBBBBBB.BBBBBBBBBBBBBBBB.BBB
BBBBBBBBB.BBBBB.BBBB..BBBBBHBB
.............................B
""")

level("Five standing", "five cats in standing rows", """
....BB.BB.BB.BB..B.BBB.BB.BB.B
..M..B.BB.BB.B.CBB.BBB.BB.BB.B
.....B.BB.BB.BB.BB.BBB.BB.BB.B
....BB.BB.BB.BB.BB.BBB.BB.B..B
.K..BB.BB.BB.BB.BB.BBB.BB.BB.B
....BB.BB.BB.BBC.B.BBB.BB.BB.B
....BB.BB.BB.BB.BB.BBB.BB.BB.B
....BB.BB.BB.BB.BB.BBB.B..BB.B
....BB.BB.BBCBBCBB.BBB.BB.BB.B
..K.BB.BB.BB.BB.BB.BBB.BB.BB.B
....BB.BB.BB.BB.BB.BBB.BB.BB.B
....BB.BB.BB.BB.BB.CBB.BB.BB.B
....BB.BB.BB.BB.BB.BBB.BB.BB.B
....BB.BB.BB.BB.BB.BBB.BB.....
....BB.BB.BB.BB.BB.BBB.BB.BB.B
....BB.B..BB.BB.BB.BBB.BB.BB.B
....BB.BB.BB.BB.BB.BBB.BB.BB.B
....BB.BB.BB.BB.BB.B.B.BB.BB.B
""")

level("Deep field", "five cats among deep rows, a wide lane and posts", """
..............................
...................M..........
..............................
BBBBB.BBBBBBBBBBBB.BBBB.BBBBBB
BBBBBBBBBBBBBBBBBBBB.B.BBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBB.BBBB
............C.................
BBBB.BBBB.BBBHBBBBB.BBBBBBBBBB
BB.B.BBB.BBBBBBHBBBBBBBBBBBBBB
..............................
......C.......................
BBBBBBBBBBB.BBBBBBBB.BBBB.BHBB
BBBBB.HBBBBBBBBBBBBBBBBBBBBBBB
BBBBBBBBBBBBBBBBBBBBBBBBBBBBB.
................C.............
BBBBBBBBBBBBBBBBBB.BBBBBBBBBBB
B.BBBBBBBBBBBBBBBBBBBBBBBBBBBB
.............C...C............
""")


def main(folder):
    for old in os.listdir(folder):
        if old.startswith("level") and old.endswith(".lvx"):
            os.remove(os.path.join(folder, old))
    index = ["# FILE<TAB>NAME<TAB>HINT: what each level's card says; the level files keep their format"]
    for number, (name, note, rows) in enumerate(LEVELS):
        with open(os.path.join(folder, f"level{number:03d}.lvx"), "w") as out:
            out.write(text(rows))
        index.append(f"level{number:03d}.lvx\t{name}\t{note[0].upper()}{note[1:]}.")
    with open(os.path.join(folder, "levels.txt"), "w") as out:
        out.write("\n".join(index) + "\n")
    write_pack_texts([line.split("\t")[1:] for line in index[1:]])


def write_pack_texts(entries):
    """The names and hints as the translation tools read them: a source file
    that lupdate scans and nothing compiles."""
    def quoted(text):
        return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'
    lines = ["// Made by tools/make_levels.py: the level pack's names and hints, for lupdate",
             "// to find (the game reads them from levels.txt). Not compiled.",
             "#include <QtGlobal>", "", "[[maybe_unused]] static const char* const pack_texts[] = {"]
    for name, hint in entries:
        lines.append(f'    QT_TRANSLATE_NOOP("Levels", {quoted(name)}),')
        lines.append(f'    QT_TRANSLATE_NOOP("Levels", {quoted(hint)}),')
    lines.append("};")
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "..", "src", "ui", "pack_texts.cpp"), "w") as out:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
