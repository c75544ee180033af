"""End-to-end cases for recorded games: what was played checks out, and
watching touches nothing. Usage: replay_test.py --exe PATH --data DIR CASE."""

import os
import subprocess

from harness import run_cases, Game, PlayFolder, Shot, check, visible_windows, wait_until

# Three steps right clear the first level; three more meet the second level's cat.
TRAP = ["HHHHHHHH", "HMK.BCHH", "HHHHHHHH"]
MEETING = ["HHHHHH", "HM.KCH", "HHHHHH"]
TABLE = b"Hall of fame\n\n" + b"".join(b"old" + b"." * 15 + b"9\n" for _ in range(10))


def play_a_ranked_game(exe, folder, watch=False):
    """Two levels by real keys, a name typed in: the game's trace lines. With
    `watch`, the entry's game is watched from the table box first."""
    game = Game(exe, folder)
    try:
        game.keys("Right", "Right", "Right")
        game.wait_for_line("  " + MEETING[1], count=1)
        game.keys("Right", "Right", "Right")
        dialog = game.wait_for_dialog("Enter your name:")
        game.type_text("Ann", dialog)
        game.keys("Return", window=dialog)
        box = game.wait_for_table_box()
        if watch:
            wait_until("the entry saved", lambda: b"Ann" in folder.read("hsc.dat"))
            table = folder.read("hsc.dat")
            game.keys("w", window=box)
            wait_until("the box gone while watching", lambda: game.process.poll() is None and not any(
                w != game.window for w in visible_windows("^Whiskerdash$", game.process.pid)))
            first = Shot(game)
            wait_until("the replay moving on", lambda: Shot(game).board() != first.board())
            game.keys("Escape")
            box = game.wait_for_table_box()
            check(folder.read("hsc.dat") == table, "watching touched the table")
        game.keys("Escape", window=box)
        check(game.wait_exit() == 0, game.stderr_text())
        return [line for line in game.stdout_text().split("\n") if line != "Audiodriver initialized"]
    finally:
        game.stop()


def check_run(exe, folder, recording):
    return subprocess.run([exe, "--replay", recording, "--check"], cwd=folder.path, capture_output=True, text=True,
                          timeout=60, env=dict(os.environ, XDG_CONFIG_HOME=folder.path, XDG_DATA_HOME=folder.path))


def played_game_checks_out(exe, data):
    folder = PlayFolder(data, {"level000.lvx": TRAP, "level001.lvx": MEETING}, TABLE)
    try:
        traces = play_a_ranked_game(exe, folder)
        table = folder.read("hsc.dat")
        recordings = os.path.join(folder.path, "recordings")
        last = os.path.join(recordings, "last.wdr")
        wait_until("the recording written", lambda: os.path.exists(last))
        entry = [name for name in os.listdir(recordings) if name.startswith("entry-")]
        check(len(entry) == 1, f"recordings kept: {os.listdir(recordings)}")
        run = check_run(exe, folder, last)
        check(run.returncode == 0, f"status {run.returncode}: {run.stderr}")
        check(run.stdout.split("\n")[:-1] == traces, f"traces differ:\n{run.stdout}\n---\n{traces}")

        text = open(last).read()
        broken = {
            # One key changed: the mouse never reaches the cheese of the second level.
            "a key changed": (text.replace("\nR\n", "\nL\n", 1), 1, "does not come out as recorded"),
            "another rules version": (text.replace("\nrules 1\n", "\nrules 9\n"), 2, "rules version 9"),
            "cut off": (text[:len(text) // 2], 2, "cannot play it"),
        }
        for case, (bytes_, status, told) in broken.items():
            with open(last, "w") as out:
                out.write(bytes_)
            run = check_run(exe, folder, last)
            check(run.returncode == status and told in run.stderr,
                  f"{case}: status {run.returncode}, stderr {run.stderr!r}")
        with open(last, "w") as out:
            out.write(text)
        folder.write("level001.lvx", "".join(row + "\n" for row in ["HHHHHH", "HMK.CH", "HHHHHH"]))
        run = check_run(exe, folder, last)
        check(run.returncode == 2 and "level001.lvx: not the level this game was played on" in run.stderr,
              f"a changed level: status {run.returncode}, stderr {run.stderr!r}")
        check(folder.read("hsc.dat") == table, "a check touched the table")
    finally:
        folder.remove()


def watching_touches_nothing(exe, data):
    folder = PlayFolder(data, {"level000.lvx": TRAP, "level001.lvx": MEETING}, TABLE)
    try:
        play_a_ranked_game(exe, folder, watch=True)
        table = folder.read("hsc.dat")
        last = os.path.join(folder.path, "recordings", "last.wdr")
        wait_until("the recording written", lambda: os.path.exists(last))
        viewer = Game(exe, folder, ["--replay", last])
        try:
            first = Shot(viewer)
            wait_until("the replay moving on", lambda: Shot(viewer).board() != first.board())
            viewer.keys("Escape")
            check(viewer.wait_exit() == 0, viewer.stderr_text())
            check(viewer.count_lines(r"\d+:.*") == 0, "watching ranked the game again")
        finally:
            viewer.stop()
        check(folder.read("hsc.dat") == table, "watching touched the table")
    finally:
        folder.remove()


def quit_game_is_offered_to_continue(exe, data):
    penned = ["HHHHHHHHH", "HMK..HCHH", "HHHHHHHHH"]
    folder = PlayFolder(data, {"level000.lvx": TRAP, "level001.lvx": penned}, TABLE)
    kept = os.path.join(folder.path, "recordings", "continue.wdr")
    try:
        game = Game(exe, folder)
        game.keys("Right", "Right", "Right")  # 10 points and the level cleared
        game.wait_for_line("  " + penned[1], count=1)
        game.keys("Right")  # 20 points
        game.keys("ctrl+q")
        game.keys("q", window=game.wait_for_dialog("Quit"))
        check(game.wait_exit() == 0, game.stderr_text())
        wait_until("the game kept to continue", lambda: os.path.exists(kept))

        game = Game(exe, folder)
        game.keys("c")  # on the first card: level 2 again, with the 10 points it began with
        game.wait_for_line("  " + penned[1], count=1)
        game.keys("ctrl+q")
        game.keys("q", window=game.wait_for_dialog("Quit"))  # the points came back with it
        check(game.wait_exit() == 0, game.stderr_text())
        last = os.path.join(folder.path, "recordings", "last.wdr")
        levels = [line.split()[1] for line in open(last) if line.startswith("level ")]
        check(levels == ["start", "next", "restart"], f"the recording did not go on: {levels}")
        run = check_run(exe, folder, last)
        check(run.returncode == 0, f"the continued game does not check out: {run.stderr}")
    finally:
        folder.remove()


def backspace_in_practice_goes_back(exe, data):
    """Moves and ticks in practice, then Backspace: the board as the level began."""
    # The cat walks the corridor towards the mouse, thirteen ticks away.
    roaming = ["H" * 20, "HM.KB.............CH", "H" * 20]
    folder = PlayFolder(data, {"level000.lvx": roaming})
    game = Game(exe, folder, menu_bar=True)
    try:
        game.keys("alt+g", "l")
        game.keys("Return", window=game.wait_for_dialog("Practice a level"))
        game.wait_for_line("  " + roaming[1], count=2)  # the practice game's level
        game.keys("p", "p")  # play, and paused before a tick: the level as it began
        begun = Shot(game).board()
        game.keys("p", "Right", "Right")
        moved = Shot(game).board()
        wait_until("a tick moving the cat", lambda: Shot(game).board() != moved)
        game.keys("p")
        check(Shot(game).board() != begun, "nothing changed")
        # Two seconds a press; three are more than this game has played.
        game.keys("BackSpace", "BackSpace", "BackSpace")
        wait_until("the board as the level began", lambda: Shot(game).board() == begun)
        game.keys("ctrl+q")
        check(game.wait_exit() == 0, game.stderr_text())
    finally:
        game.stop()
        folder.remove()


CASES = {f.__name__: f for f in [played_game_checks_out, watching_touches_nothing, quit_game_is_offered_to_continue,
                                 backspace_in_practice_goes_back]}

if __name__ == "__main__":
    run_cases(CASES)
