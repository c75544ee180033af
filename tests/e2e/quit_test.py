"""End-to-end cases for the ways a game ends: nothing it earned is lost.
Usage: quit_test.py --exe PATH --data DIR CASE, under xvfb-run."""

import fcntl
import os
import re
import signal
import socket
import tempfile

from harness import run_cases, Game, PlayFolder, Shot, check, wait_until

# Three steps right: the cheese, then onto the cat.
MEETING = ["HHHHHH", "HM.KCH", "HHHHHH"]
# Three steps right: the cheese, then the only cat trapped: the last level cleared.
TRAP = ["HHHHHHHH", "HMK.BCHH", "HHHHHHHH"]
TABLE = b"Hall of fame\n\n" + b"".join(b"old" + b"." * 15 + b"9\n" for _ in range(10))
ANN = b"Ann" + b"." * 14 + b"10\n"


def named_player():
    """Settings in which the name dialog would offer "Ann"."""
    home = tempfile.mkdtemp(prefix="whiskerdash-config-")
    os.makedirs(os.path.join(home, "whiskerdash"))
    with open(os.path.join(home, "whiskerdash", "whiskerdash.conf"), "w") as conf:
        conf.write("[player]\nname=Ann\n[view]\nmenu_bar=false\n")
    return home


def meeting_marked(game):
    cell = Shot(game).block(4 * 16 - 4, 20 + 16 - 4, 24)
    return any(cell[i] > 0xB0 and cell[i + 1] < 0x40 and cell[i + 2] < 0x40 for i in range(0, len(cell), 3))


def cleared_card_up(game):
    return max(Shot(game).pixel(64, 20 + 24)) < 0x60


def quit_ranks_an_ended_game(exe, data):
    """Ctrl+Q or SIGTERM during the caught mark or the last level's cleared card."""
    for level, shown in ((MEETING, meeting_marked), (TRAP, cleared_card_up)):
        for how in ("ctrl+q", "SIGTERM"):
            folder = PlayFolder(data, {"level000.lvx": level}, TABLE)
            game = Game(exe, folder, ["--no-wait"], config_home=named_player())
            try:
                if how == "ctrl+q":
                    # Queued behind the last step: handled before the moment can end.
                    game.keys("Right", "Right", "Right", "ctrl+q")
                else:
                    game.keys("Right", "Right", "Right")
                    wait_until("the moment after the last step", lambda: shown(game))
                    game.process.send_signal(signal.SIGTERM)
                code = game.wait_exit()
                case = f"{how} after {level[1]}"
                check(code == (0 if how == "ctrl+q" else -signal.SIGTERM),
                      f"{case}: status {code}; stderr: {game.stderr_text()}")
                check(folder.read("hsc.dat") == TABLE[:14] + ANN + TABLE[14:14 + 9 * 20],
                      f"{case}: the game was not ranked: {folder.read('hsc.dat')!r}; stderr: {game.stderr_text()}")
            finally:
                game.stop()
                folder.remove()


def hold_lock(path):
    """The table's lock, held as another game holds it, until the file is closed."""
    lock = open(path, "w")
    lock.write(f"{os.getpid()}\nwhiskerdash\n{socket.gethostname()}\n")
    lock.flush()
    fcntl.flock(lock, fcntl.LOCK_EX)
    return lock


def entry_kept_by_a_held_lock_goes_in_at_the_next_start(exe, data):
    folder = PlayFolder(data, {"level000.lvx": MEETING}, TABLE)
    lock_path = os.path.join(folder.path, "hsc.dat.lock")
    lock = hold_lock(lock_path)
    try:
        game = Game(exe, folder, ["--no-wait"], config_home=named_player())
        game.keys("Right", "Right", "Right", "ctrl+q")
        check(game.wait_exit() == 0, "stderr: " + game.stderr_text())
        waiting = [name for name in os.listdir(folder.path) if name.startswith("hsc.dat.waiting-")]
        check(len(waiting) == 1, f"waiting files {waiting}; stderr: {game.stderr_text()}")
        check(re.search(r"your entry waits in .*" + re.escape(waiting[0]), game.stderr_text()),
              "standard error does not say where the entry waits: " + game.stderr_text())
        check(folder.read("hsc.dat") == TABLE, "the table changed under another game's lock")
        lock.close()
        os.remove(lock_path)
        # Two games after it: the first puts the entry in, the second finds nothing more to add.
        for _ in range(2):
            game = Game(exe, folder)
            game.keys("ctrl+q")
            check(game.wait_exit() == 0, "stderr: " + game.stderr_text())
            check(folder.read("hsc.dat") == TABLE[:14] + ANN + TABLE[14:14 + 9 * 20],
                  f"not in the table once: {folder.read('hsc.dat')!r}; stderr: {game.stderr_text()}")
            check(not any(name.startswith("hsc.dat.waiting-") for name in os.listdir(folder.path)),
                  "the waiting file was left: " + str(os.listdir(folder.path)))
    finally:
        lock.close()
        folder.remove()


CASES = {f.__name__: f for f in [quit_ranks_an_ended_game, entry_kept_by_a_held_lock_goes_in_at_the_next_start]}

if __name__ == "__main__":
    run_cases(CASES)
