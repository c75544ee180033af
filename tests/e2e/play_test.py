"""End-to-end cases for the real program. Usage:
    play_test.py --exe PATH --data DIR CASE
Run under xvfb-run; CASE is one of the functions named in CASES."""

import os
import re
import stat
import subprocess
import time

from harness import run_cases, Failure, Game, PlayFolder, check, wait_until, xdotool, OPEN, TRAP

# A cat walled in by cheese: once the mouse eats it, they meet.
MEET = ["HHHHHH",
        "HM.KCH",
        "HHHHHH"]


def entry(name, score):
    """An entry line of the 20-byte-wide tables used here."""
    return (name + "." * (19 - len(name) - len(str(score))) + str(score) + "\n").encode()


def table(scores):
    return b"Hall of fame\n\n" + b"".join(entry("old", score) for score in scores)


LOW = table(range(9, -1, -1))
HIGH = table(range(1000, 0, -100))


def trace_of(rows):
    text = ""
    for number, row in enumerate(rows):
        text += f"reading line {number}\n  {row}\n\n"
    return text


def startup_trace_and_size(exe, data):
    folder = PlayFolder(data, {"level000.lvx": OPEN, "small.lvx": TRAP}, HIGH)
    game = Game(exe, folder, ["small.lvx"])
    try:
        check(game.geometry() == (8 * 16, 3 * 16 + 20), f"window {game.geometry()}")
        game.wait_for_line("reading line 2", count=2)
        game.wait_for_line("  HHHHHHHH")
        expected = "Audiodriver initialized\n" + trace_of(OPEN) + trace_of(TRAP)
        check(game.stdout_text() + "\n" == expected, "trace:\n" + game.stdout_text())
    finally:
        game.stop()


def refused_start_exits_with_message(exe, data):
    cases = [({}, [], "whiskerdash: level000.lvx: cannot open: No such file or directory"),
             ({"level000.lvx": ["HHH", "HCH", "HHH"]}, [], "whiskerdash: level000.lvx: no mouse ('M') in the level"),
             ({"level000.lvx": OPEN, "wide.lvx": ["H" * 81 + "M"]}, ["wide.lvx"],
              "whiskerdash: wide.lvx:1:81: line longer than 80 cells")]
    for levels, args, message in cases:
        folder = PlayFolder(data, levels)
        game = Game(exe, folder, args, expect_window=False)
        code = game.wait_exit()
        check(code == 1, f"exit status {code}")
        check(game.stderr_text().endswith(message), "stderr: " + game.stderr_text())
        check(not os.path.exists(os.path.join(folder.path, "hsc.dat")), "a file was written")
        folder.remove()


def play_push_advance_name_quit(exe, data):
    folder = PlayFolder(data, {"level000.lvx": TRAP, "level001.lvx": MEET}, LOW)
    game = Game(exe, folder)
    try:
        game.keys("Right", "Right", "Right")  # cheese, a step, the push
        game.wait_for_line("reading line 0", count=2)
        game.wait_for_line("  HM.KCH")
        game.keys("Right", "Right", "Right")  # a step, cheese, the cat
        game.wait_for_line(r"0:old,9, hsc=9,scr=20")
        check(game.count_lines(r"\d+:.*") == 1, "ranked past the first entry")
        dialog = game.wait_for_dialog("Enter your name:")
        game.type_text("Tester", dialog)
        game.keys("Return", window=dialog)
        box = game.wait_for_table_box()
        expected = LOW.replace(entry("old", 9), entry("Tester", 20) + entry("old", 9), 1)[:len(LOW)]
        check(folder.read("hsc.dat") == expected, "saved at once: " + repr(folder.read("hsc.dat")))
        game.keys("Escape", window=box)
        code = game.wait_exit()
        check(code == 0, f"exit status {code}")
        check(folder.read("hsc.dat") == expected, "at exit: " + repr(folder.read("hsc.dat")))
    finally:
        game.stop()


def play_again_restarts_level_zero(exe, data):
    folder = PlayFolder(data, {"level000.lvx": MEET}, HIGH)
    game = Game(exe, folder)
    try:
        game.keys("Right", "Right", "Right")
        game.wait_for_line(r"9:old,100, hsc=100,scr=10")
        game.keys("Return", window=game.wait_for_table_box())
        game.wait_for_line("reading line 0", count=2)  # level 0 again
        game.keys("Right", "Right", "Right")
        game.wait_for_line(r"9:old,100, hsc=100,scr=10", count=2)  # the score started from 0 again
        game.keys("Escape", window=game.wait_for_table_box())
        check(game.wait_exit() == 0, "exit status")
        check(folder.read("hsc.dat") == HIGH, "table changed")
    finally:
        game.stop()


def cat_hunts_a_still_mouse(exe, data):
    folder = PlayFolder(data, {"level000.lvx": OPEN}, HIGH)
    game = Game(exe, folder, ["--no-wait"])
    try:
        game.wait_for_line(r"0:old,1000, hsc=1000,scr=0")
        game.keys("Escape", window=game.wait_for_table_box())
        check(game.wait_exit() == 0, "exit status")
    finally:
        game.stop()


def clearing_the_last_level_wins(exe, data):
    folder = PlayFolder(data, {"level000.lvx": TRAP}, LOW)
    game = Game(exe, folder)
    try:
        game.keys("Right", "Right", "Right")
        game.wait_for_line(r"0:old,9, hsc=9,scr=10")
        dialog = game.wait_for_dialog("Enter your name:")
        game.keys("Return", window=dialog)
        game.keys("Escape", window=game.wait_for_table_box())
        check(game.wait_exit() == 0, "exit status")
        check(game.count_lines("reading line 0") == 1, "another level was loaded")
        check(folder.read("hsc.dat").splitlines(True)[2] == entry("", 10), repr(folder.read("hsc.dat")))
    finally:
        game.stop()


def screenshot_of_level_zero(exe, data):
    """The shipped level 0 with every sprite at its cell, saved for a person to look at."""
    folder = PlayFolder(data, {}, None, shipped_levels=True)
    game = Game(exe, folder, ["--no-wait"])  # no card over the cells
    try:
        rows = [line.rstrip("\n") for line in open(os.path.join(data, "level000.lvx"))]
        width, height = len(rows[0]) * 16, len(rows) * 16 + 20
        check(game.geometry() == (width, height), f"window {game.geometry()}")
        shot = os.path.join(os.getcwd(), "level000-screenshot.png")

        def tile(sprite):
            raw = ["convert", os.path.join(data, sprite), "-background", "#DDE6D5", "-flatten", "rgb:-"] \
                if sprite else ["convert", "-size", "16x16", "xc:#DDE6D5", "rgb:-"]
            return subprocess.run(raw, capture_output=True, check=True).stdout

        tiles = {code: tile(name) for code, name in
                 {"H": "hardblock.xpm", "B": "block.xpm", "K": "cheese.xpm", "M": "mouse.xpm", "C": "cat.xpm",
                  ".": None}.items()}

        def fault():
            """What the window does not show yet; None once every cell is right."""
            grab = subprocess.run(["import", "-window", game.window, shot], capture_output=True, text=True)
            if grab.returncode != 0:
                return "import failed: " + grab.stderr
            pixels = subprocess.run(["convert", shot, "rgb:-"], capture_output=True, check=True).stdout
            if len(pixels) != width * height * 3:
                return "screenshot size"

            def cell(x, y):
                return b"".join(pixels[((20 + 16 * y + r) * width + 16 * x) * 3:][:48] for r in range(16))
            cats = 0
            for y, row in enumerate(rows):
                for x, code in enumerate(row):
                    shown = cell(x, y)
                    if code in "HBKM" and shown != tiles[code]:
                        return f"cell ({x},{y}) does not show {code}"
                    cats += shown == tiles["C"]
            expected = sum(row.count("C") for row in rows)
            return None if cats == expected else f"{cats} cats on screen, not {expected}"

        # The window may be mapped a moment before its first frame is drawn.
        last = [None]

        def shown_right():
            last[0] = fault()
            return last[0] is None
        try:
            wait_until("level 0 drawn cell by cell", shown_right)
        except Failure:
            raise Failure(last[0])
        print("screenshot:", shot)
    finally:
        game.stop()


def shipped_level_zero_can_be_cleared(exe, data):
    """The cat of the first shipped level herded to the end of its pen by real pushes; level 1 follows."""
    folder = PlayFolder(data, {}, HIGH, shipped_levels=True)
    game = Game(exe, folder)
    try:
        # Along the open row and up past a cheese to the pen's crate, then ten pushes
        # bring the crate to the pen's last cell, where the cat is caught.
        game.keys(*["Left"] * 12, *["Up"] * 5, *["Right"] * 10)
        game.wait_for_line("reading line 0", count=2)
        check(game.count_lines(r"\d+:.*") == 0, "the game ended instead")
        rows = {name: [line.rstrip("\n") for line in open(os.path.join(data, name))]
                for name in ("level000.lvx", "level001.lvx")}
        new_row = next(row for row in rows["level001.lvx"] if row not in rows["level000.lvx"])
        game.wait_for_line("  " + re.escape(new_row))
    finally:
        game.stop()


def return_after_arrows_plays_again(exe, data):
    """Stray arrow and Tab presses in the table box never turn Return into Quit, nor Escape into Play Again."""
    folder = PlayFolder(data, {"level000.lvx": MEET}, HIGH)
    game = Game(exe, folder)
    try:
        # Arrow presses still arriving after the cat is met change nothing.
        game.keys("Right", "Right", "Right", "Right", "Right", "Down")
        game.wait_for_line(r"9:old,100, hsc=100,scr=10")
        game.keys("Right", "Tab", "Left", "Down", "Tab", "Up", "Return", window=game.wait_for_table_box())
        game.wait_for_line("reading line 0", count=2)  # Play Again: level 0 once more
        game.keys("Right", "Right", "Right")
        game.wait_for_line(r"9:old,100, hsc=100,scr=10", count=2)
        game.keys("Tab", "Left", "Right", "Escape", window=game.wait_for_table_box())
        check(game.wait_exit() == 0, "exit status")
        check(game.count_lines("reading line 0") == 2, "played again after Escape")
        check(folder.read("hsc.dat") == HIGH, "table changed")
    finally:
        game.stop()


def fifo_table_refused_within_a_second(exe, data):
    """A FIFO as hsc.dat is refused at once, at start and at the game over, and left as it is."""
    folder = PlayFolder(data, {"level000.lvx": MEET})
    table = os.path.join(folder.path, "hsc.dat")
    os.mkfifo(table)
    message = f"whiskerdash: {table}: cannot read: not a regular file (a FIFO); the file is left as it is"
    game = Game(exe, folder)
    try:
        wait_until("the FIFO refused", lambda: message in game.stderr_text(),
                   timeout=max(0.0, game.started + 1.0 - time.monotonic()))
        game.keys("Right", "Right", "Right")
        game.wait_for_line(r"9:Dot,50, hsc=50,scr=10")
        box = game.wait_for_table_box()
        check(game.stderr_text().count(message) == 2, "stderr: " + game.stderr_text())
        game.keys("Escape", window=box)
        check(game.wait_exit() == 0, "exit status")
        check(stat.S_ISFIFO(os.stat(table).st_mode), "hsc.dat is no longer a FIFO")
        # Nothing but the game's own files, the recordings and the statistics beside the table.
        check(sorted(set(os.listdir(folder.path)) - {".config"}) == sorted(["hsc.dat", "level000.lvx", "recordings", "statistics.txt"] +
                                                        [n for n in os.listdir(data) if n.endswith(".xpm")]),
              "files: " + " ".join(sorted(os.listdir(folder.path))))
    finally:
        game.stop()


def level_zero_gone_at_play_again_ends_with_message(exe, data):
    """Play Again with level 0 gone ends the program with the loader's message, not a blank board."""
    folder = PlayFolder(data, {"level000.lvx": MEET}, HIGH)
    game = Game(exe, folder)
    try:
        game.keys("Right", "Right", "Right")
        box = game.wait_for_table_box()
        os.remove(os.path.join(folder.path, "level000.lvx"))
        game.keys("Return", window=box)
        code = game.wait_exit()
        check(code == 1, f"exit status {code}")
        check(game.stderr_text().endswith("whiskerdash: level000.lvx: cannot open: No such file or directory"),
              "stderr: " + game.stderr_text())
        check(folder.read("hsc.dat") == HIGH, "table changed")
    finally:
        game.stop()


CASES = {f.__name__: f for f in [shipped_level_zero_can_be_cleared, startup_trace_and_size, refused_start_exits_with_message,
                                  play_push_advance_name_quit, play_again_restarts_level_zero,
                                  cat_hunts_a_still_mouse, clearing_the_last_level_wins, screenshot_of_level_zero,
                                  return_after_arrows_plays_again, fifo_table_refused_within_a_second,
                                  level_zero_gone_at_play_again_ends_with_message]}


if __name__ == "__main__":
    run_cases(CASES)
