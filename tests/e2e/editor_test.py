"""End-to-end case for the player's own levels: one drawn by keys in the
editor, test-played, saved into a new pack, then played from Game > Play a
pack. Usage: editor_test.py --exe PATH --data DIR CASE."""

import glob
import os

from harness import run_cases, Game, PlayFolder, check, visible_windows, wait_until


def drawn_level_plays_from_its_pack(exe, data):
    folder = PlayFolder(data, shipped_levels=True)
    game = Game(exe, folder, ["--mute"])
    try:
        game.wait_for_line(r"reading line 0")
        board_size = game.geometry()
        game.keys("ctrl+e")
        game.keys("alt+l", window=game.wait_for_dialog("Edit levels"))
        wait_until("the editor in the board's place", lambda: game.geometry() != board_size or None)
        # The cursor starts on the mouse: a crate right of it, a cat two cells further.
        game.keys("Right", "b", "Right", "Right", "c")
        # Test-play and back: the drawing stays as it was.
        game.keys("F5", "Right", "Escape")
        # Quitting with the drawing unsaved asks first; Escape keeps both.
        game.keys("ctrl+q")
        game.keys("Escape", window=game.wait_for_dialog("Edit levels"))
        wait_until("the question gone", lambda: not visible_windows("^Edit levels$") or None)
        check(game.process.poll() is None, "quitting threw the drawing away: " + game.stderr_text())
        game.keys("ctrl+s")
        game.keys("Return", window=game.wait_for_dialog("Save level"))  # into a new pack
        game.keys("ctrl+a", window=game.wait_for_dialog("New pack"))
        game.type_text("Mine", game.wait_for_dialog("New pack"))
        game.keys("Return", window=game.wait_for_dialog("New pack"))
        game.keys("Return", window=game.wait_for_dialog("Edit levels"))  # "Saved as level 1 ..."
        saved = wait_until("the level saved", lambda: glob.glob(os.path.join(folder.path, "packs", "*", "level000.lvx")))
        with open(saved[0]) as level:
            rows = level.read().split("\n")
        drawn = [row for row in rows if "MB.C" in row]
        check(len(drawn) == 1, "the drawn row is not in the saved level: " + "|".join(rows))
        with open(os.path.join(os.path.dirname(saved[0]), "levels.txt")) as index:
            check("Mine" in index.readline(), "the pack is not named Mine")

        game.keys("Escape")  # saved: back to the board without a question
        wait_until("the board again", lambda: game.geometry() == board_size or None)
        game.keys("ctrl+o")
        game.keys("Down", "Return", window=game.wait_for_dialog("Play a pack"))
        game.wait_for_line("  " + drawn[0])
    finally:
        game.stop()
        folder.remove()


if __name__ == "__main__":
    run_cases({"drawn_level_plays_from_its_pack": drawn_level_plays_from_its_pack})
