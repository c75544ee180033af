"""End-to-end cases for what surrounds play: pause, keys, a window that scales.
Usage: window_test.py --exe PATH --data DIR CASE, under xvfb-run."""

import os
import subprocess
import time

from harness import run_cases, WAIT, Failure, Game, PlayFolder, Shot, check, visible_windows, wait_until, xdotool, OPEN, TRAP

FLOOR = (0xDD, 0xE6, 0xD5)
TABLE = b"Hall of fame\n\n" + b"".join(b"old" + b"." * 15 + b"9\n" for _ in range(10))


def floor_cell_colour(game, zoom=1):
    """The middle of cell (1,1), a floor cell of OPEN."""
    return Shot(game).pixel(zoom * (16 + 8), zoom * (20 + 16 + 8))


def pause_holds_the_board(exe, data):
    folder = PlayFolder(data, {"level000.lvx": OPEN}, TABLE)
    game = Game(exe, folder, ["--no-wait"])
    try:
        # A window mapped but not drawn yet is black, which is no dimmed board.
        wait_until("the first frame", lambda: floor_cell_colour(game) == FLOOR)
        game.keys("p")
        wait_until("the board dimmed", lambda: floor_cell_colour(game) != FLOOR)
        paused = Shot(game)
        time.sleep(2.0)  # the point of the test: two seconds in which nothing may move
        check(Shot(game).pixels == paused.pixels, "the window changed while paused")
        game.keys("p")
        wait_until("the board lit again", lambda: floor_cell_colour(game) == FLOOR)
        lit = Shot(game)
        wait_until("a cat's move after resuming", lambda: Shot(game).board() != lit.board(), timeout=WAIT)
    finally:
        game.stop()


def ctrl_q_quits_and_keeps_the_table(exe, data):
    folder = PlayFolder(data, {"level000.lvx": TRAP}, TABLE)
    game = Game(exe, folder)
    try:
        game.keys("Right")  # cheese: 10 points, never ranked when the player quits
        game.keys("ctrl+q")
        # With points at stake the game asks first; Escape keeps playing, Q quits.
        game.keys("Escape", window=game.wait_for_dialog("Quit"))
        wait_until("the question answered", lambda: not visible_windows("^Quit$"))
        check(game.process.poll() is None, "Escape at the question quit the game")
        game.keys("ctrl+q")
        game.keys("q", window=game.wait_for_dialog("Quit"))
        code = game.wait_exit()
        check(code == 0, f"exit status {code}; stderr: {game.stderr_text()}")
        check(game.count_lines(r"\d+:.*") == 0, "a quit game was ranked")
        check(folder.read("hsc.dat") == TABLE, repr(folder.read("hsc.dat")))
    finally:
        game.stop()


def f2_starts_a_new_game_at_level_zero(exe, data):
    folder = PlayFolder(data, {"level000.lvx": TRAP, "level001.lvx": OPEN}, TABLE)
    game = Game(exe, folder)
    try:
        game.keys("Right", "Right", "Right")  # cheese, then the cat is trapped
        game.wait_for_line("  " + OPEN[-1], count=1)
        game.keys("F2")
        # With 10 points at stake the game asks first; N answers "New game".
        game.keys("n", window=game.wait_for_dialog("New game"))
        game.wait_for_line("  " + TRAP[1], count=2)
        check(game.count_lines(r"\d+:.*") == 0, "a new game ranked the old one")
        # Level 0 again, with a score of 0: the cheese is back and worth 10.
        game.keys("Right", "Right", "Right")
        game.wait_for_line("  " + OPEN[-1], count=2)
    finally:
        game.stop()


def resized_window_shows_sprites_at_3x(exe, data):
    folder = PlayFolder(data, {"level000.lvx": TRAP}, TABLE)
    game = Game(exe, folder, ["--no-wait"])  # no card over the cells
    try:
        width, height = game.geometry()
        xdotool("windowsize", game.window, width * 3, height * 3)
        wait_until("the window at 3x", lambda: game.geometry() == (width * 3, height * 3))

        def sprite_at_3x(name):
            return subprocess.run(["convert", os.path.join(data, name), "-background", "#DDE6D5", "-flatten",
                                   "-scale", "300%", "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout

        expected = {(1, 1): sprite_at_3x("mouse.xpm"), (2, 1): sprite_at_3x("cheese.xpm"),
                    (4, 1): sprite_at_3x("block.xpm"), (0, 0): sprite_at_3x("hardblock.xpm")}

        def all_cells_at_3x():
            shot = Shot(game)
            return all(shot.block(48 * x, 60 + 48 * y, 48) == pixels for (x, y), pixels in expected.items())
        wait_until("every sprite drawn at exactly 3x", all_cells_at_3x)
    finally:
        game.stop()


def cats_wait_for_the_first_key(exe, data):
    folder = PlayFolder(data, {"level000.lvx": OPEN}, TABLE)
    game = Game(exe, folder)
    try:
        wait_until("the first frame", lambda: Shot(game).pixel(2, 2) != (0, 0, 0))
        before = Shot(game)
        time.sleep(2.0)  # five ticks' worth in which nothing may move
        check(Shot(game).pixels == before.pixels, "the board changed before the first key")
        game.keys("Left")
        moved = Shot(game)
        wait_until("a cat's move after the key", lambda: Shot(game).board() != moved.board())
    finally:
        game.stop()


def capture_is_seen_before_the_name_dialog(exe, data):
    # The mouse eats the cheese that walls in the cat, then walks onto it.
    folder = PlayFolder(data, {"level000.lvx": ["HHHHHH", "HM.KCH", "HHHHHH"]},
                        b"Hall of fame\n\n" + b"".join(b"old" + b"." * 15 + b"0\n" for _ in range(10)))
    game = Game(exe, folder, ["--no-wait"])
    try:
        game.keys("Right", "Right", "Right")

        def marked():
            if visible_windows("^Enter your name:$"):
                raise Failure("the name dialog opened before the capture was drawn")
            cell = Shot(game).block(4 * 16 - 4, 20 + 16 - 4, 24)
            return any(cell[i] > 0xB0 and cell[i + 1] < 0x40 and cell[i + 2] < 0x40 for i in range(0, len(cell), 3))
        wait_until("the meeting cell marked", marked)
        shot = os.path.join(os.getcwd(), "capture-screenshot.png")
        subprocess.run(["import", "-window", game.window, shot], check=True)
        dialog = game.wait_for_dialog("Enter your name:")
        x, y = game.window_origin()
        cell = (x + 4 * 16, y + 20 + 16, x + 5 * 16, y + 20 + 32)
        dx, dy, dw, dh = game.window_rect(dialog)
        check(dx >= cell[2] or dx + dw <= cell[0] or dy >= cell[3] or dy + dh <= cell[1],
              f"the dialog at {(dx, dy, dw, dh)} covers the meeting cell {cell}")
        print("screenshot:", shot)
    finally:
        game.stop()


def level_cleared_card_between_levels(exe, data):
    folder = PlayFolder(data, {"level000.lvx": TRAP, "level001.lvx": OPEN}, TABLE)
    game = Game(exe, folder, ["--no-wait"])
    try:
        game.keys("Right", "Right", "Right")  # the cheese, then the cat trapped

        def card_up():
            dark = Shot(game).pixel(64, 20 + 24)  # the middle of the board
            return max(dark) < 0x60
        wait_until("the level-cleared card", card_up)
        check(game.count_lines("reading line 0") == 1, "the next level came before its moment")
        game.wait_for_line("reading line 0", count=2)
    finally:
        game.stop()


def menu_new_game_goes_back_to_level_one(exe, data):
    """Game > New game by the keyboard alone, the bar shown as on a first start."""
    folder = PlayFolder(data, {"level000.lvx": TRAP, "level001.lvx": OPEN}, TABLE)
    game = Game(exe, folder, menu_bar=True)
    try:
        width, height = game.geometry()
        check(width == 16 * len(TRAP[0]) and height > 16 * len(TRAP) + 20,
              f"window {(width, height)}: not the board with a menu bar above it")
        game.keys("Right", "Right", "Right")  # cheese, then the cat is trapped
        game.wait_for_line("  " + OPEN[-1], count=1)
        before = len(visible_windows("", str(game.process.pid)))
        game.keys("alt+g")
        wait_until("the Game menu", lambda: len(visible_windows("", str(game.process.pid))) > before)
        game.keys("n")
        game.keys("n", window=game.wait_for_dialog("New game"))
        game.wait_for_line("  " + TRAP[1], count=2)
        check(game.count_lines(r"\d+:.*") == 0, "a new game ranked the old one")
    finally:
        game.stop()


def escape_from_a_menu_gives_the_keys_back(exe, data):
    """A menu opened by Alt and closed by Escape: the arrows move the mouse again, not the bar."""
    folder = PlayFolder(data, {"level000.lvx": TRAP, "level001.lvx": OPEN}, TABLE)
    game = Game(exe, folder, menu_bar=True)
    try:
        before = len(visible_windows("", str(game.process.pid)))
        game.keys("alt+g")
        wait_until("the Game menu", lambda: len(visible_windows("", str(game.process.pid))) > before)
        game.keys("Escape")
        wait_until("the menu closed", lambda: len(visible_windows("", str(game.process.pid))) == before)
        game.keys("Right", "Right", "Right")  # cheese, then the cat is trapped
        game.wait_for_line("  " + OPEN[-1], count=1)
    finally:
        game.stop()


def zoom_keys_of_the_main_row_and_the_keypad(exe, data):
    """Every way a keyboard gives the zoom keys, as real key events: Ctrl with
    + (which takes Shift on most layouts), with =, with the keypad's + and -,
    and the keypad's + and - alone."""
    folder = PlayFolder(data, {"level000.lvx": OPEN}, TABLE)
    game = Game(exe, folder)
    try:
        wait_until("the first frame", lambda: Shot(game).pixel(2, 2) != (0, 0, 0))
        width, height = game.geometry()
        for key, zoom in [("KP_Add", 2), ("ctrl+equal", 3), ("ctrl+shift+equal", 4), ("KP_Subtract", 3),
                          ("ctrl+KP_Add", 4), ("ctrl+minus", 3), ("ctrl+KP_Subtract", 2), ("ctrl+plus", 3),
                          ("ctrl+0", 1)]:
            game.keys(key)
            wait_until(f"{key}: the window at {zoom}x", lambda: game.geometry() == (width * zoom, height * zoom))
    finally:
        game.stop()


CASES = {f.__name__: f for f in [pause_holds_the_board, ctrl_q_quits_and_keeps_the_table,
                                  f2_starts_a_new_game_at_level_zero, resized_window_shows_sprites_at_3x,
                                  cats_wait_for_the_first_key, capture_is_seen_before_the_name_dialog,
                                  level_cleared_card_between_levels, menu_new_game_goes_back_to_level_one,
                                  escape_from_a_menu_gives_the_keys_back, zoom_keys_of_the_main_row_and_the_keypad]}


if __name__ == "__main__":
    run_cases(CASES)
