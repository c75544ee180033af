"""What a player does with the installed game, shared by the install and the
package tests: started from the menu's Exec line with a home of its own."""

import os
import shlex
import subprocess
import tempfile
import time

from harness import DISPLAY_REFUSED, Failure, Game, PlayFolder, check, hide_menu_bar, visible_windows, wait_until, xdotool

APP_ID = "org.whiskerdash.Whiskerdash"
OWN_LEVEL = "HHHHHHH\nHM...CH\nHHHHHHH\n"


class Installed:
    """The installed program, its desktop entry and its data folder."""

    def __init__(self, program, desktop, shipped, data):
        self.program, self.desktop, self.shipped, self.data = program, desktop, shipped, data

    def exec_line(self, level=None):
        """The desktop entry's Exec line as a launcher runs it, with %f given or dropped."""
        line = next(l for l in open(self.desktop).read().splitlines() if l.startswith("Exec="))
        words = shlex.split(line[len("Exec="):])
        check(words[0] == "whiskerdash", "Exec runs " + words[0])
        args = [level if w == "%f" else w for w in words[1:] if w != "%f" or level]
        return [self.program, *args]


class Home:
    """A home folder of its own; `blocked` makes it one nothing can be written to."""

    def __init__(self, env, blocked=False, menu_bar=False):
        self.path = tempfile.mkdtemp(prefix="whiskerdash-home-")
        self.env = {k: v for k, v in env.items() if k not in ("XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME")}
        self.env.update(HOME=self.path, XDG_CONFIG_HOME=os.path.join(self.path, ".config"))
        self.data = os.path.join(self.path, ".local", "share", APP_ID)
        if not menu_bar and not blocked:
            hide_menu_bar(self.env["XDG_CONFIG_HOME"])
        if blocked:
            # A file where .local and .config go stops root too; the mode stops everyone else.
            for name in (".local", ".config"):
                open(os.path.join(self.path, name), "w").close()
            os.chmod(self.path, 0o555)

    def write(self, name, data):
        os.makedirs(self.data, exist_ok=True)
        with open(os.path.join(self.data, name), "wb") as out:
            out.write(data.encode() if isinstance(data, str) else data)

    def listing(self):
        return sorted(os.listdir(self.data)) if os.path.isdir(self.data) else []


def start(installed, home, folder, level=None, args=None):
    command = installed.exec_line(level) if args is None else [installed.program, *args]
    return Game(command[0], folder, command[1:], env=home.env, config_home=home.env["XDG_CONFIG_HOME"])


def window_class(game):
    out = subprocess.run(["xprop", "-id", str(game.window), "WM_CLASS"], capture_output=True, text=True).stdout
    return out.split("=", 1)[1].strip() if "=" in out else out


def fresh_home_plays_from_the_menu(installed, env):
    """The first start gets the starting table and nothing else; the installed level 0 plays."""
    home, anywhere = Home(env, menu_bar=True), PlayFolder(installed.data)
    game = start(installed, home, anywhere)
    try:
        game.wait_for_line("reading line 19")
        check(window_class(game) == f'"whiskerdash", "{APP_ID}"', "WM_CLASS " + window_class(game))
        level = open(os.path.join(installed.shipped, "level000.lvx")).read().splitlines()
        # A first start shows the menu bar above the board, which keeps its size.
        width, height = game.geometry()
        board_height = 16 * len(level) + 20
        check(width == 16 * len(level[0]) and board_height < height < board_height + 60, f"window {(width, height)}")
        game.keys("F2")  # a new game finds the installed level 0 again; the one before is recorded
        game.wait_for_line("reading line 19", count=2)
        check("cannot" not in game.stderr_text(), game.stderr_text())
        # Written on a thread of its own: the test's kill must not come first.
        wait_until("the game before recorded", lambda: os.path.exists(os.path.join(home.data, "recordings", "last.wdr")))
    finally:
        game.stop()
    check(home.listing() == ["hsc.dat", "recordings"], f"data folder holds {home.listing()}")
    check(open(os.path.join(home.data, "hsc.dat"), "rb").read() ==
          open(os.path.join(installed.shipped, "hsc.dat"), "rb").read(), "not the starting table")
    check(not os.path.exists(os.path.join(anywhere.path, "hsc.dat")), "a table in the start folder")


def own_level_and_sprite_win(installed, env):
    """A player's level 0 and sprite in the data folder replace the installed ones, byte for byte kept."""
    home, anywhere = Home(env), PlayFolder(installed.data)
    table = "Mine\n\n" + "".join(f"me.....{n}\n" for n in range(9, -1, -1))
    own = {"hsc.dat": table, "level000.lvx": OWN_LEVEL, "cat.xpm": "/* XPM */ edited\n"}
    for name, content in own.items():
        home.write(name, content)
    anywhere.write("given.lvx", "HHHHH\nHM.CH\nHHHHH\n")
    for level, row, size in [(None, "  HM...CH", (7 * 16, 3 * 16 + 20)), ("given.lvx", "  HM.CH", (5 * 16, 3 * 16 + 20))]:
        game = start(installed, home, anywhere, level)
        try:
            game.wait_for_line(row)
            check(game.geometry() == size, f"{level}: window {game.geometry()}")
            # The edited sprite is the one read: its fault names the player's file.
            wait_until("the sprite's message", lambda: "cannot load the sprite" in game.stderr_text())
            check(os.path.join(home.data, "cat.xpm") + ": cannot load the sprite" in game.stderr_text(),
                  game.stderr_text())
        finally:
            game.stop()
    for name, content in own.items():
        check(open(os.path.join(home.data, name)).read() == content, name + " was changed")
    check(home.listing() == sorted(own), f"data folder holds {home.listing()}")


def play_folder_when_started_in_one(installed, env):
    """In a folder that holds level000.lvx, or with --play-here, the game plays there."""
    for args, levels, row in [([], {"level000.lvx": OWN_LEVEL}, "  HM...CH"), (["--play-here"], {}, "reading line 19")]:
        home, folder = Home(env), PlayFolder(installed.data)
        for name, content in levels.items():
            folder.write(name, content)
        folder.write("level001.lvx", "HHHHH\nHMBCH\nHHHHH\n")
        game = Game(installed.program, folder, args, env=home.env, config_home=home.env["XDG_CONFIG_HOME"])
        try:
            game.wait_for_line(row)
        finally:
            game.stop()
        check(home.listing() == [], f"{args}: the data folder was made: {home.listing()}")


def read_only_home_opens_and_warns(installed, env):
    """The game opens, says once that nothing can be kept and where, and plays to its table box."""
    home, anywhere = Home(env, blocked=True), PlayFolder(installed.data)
    anywhere.write("hunt.lvx", "HHHHHHHHH\nHM.....CH\nHHHHHHHHH\n")
    notice = (f"whiskerdash: scores and settings cannot be kept: {home.data} or "
              f"{os.path.join(home.path, '.config', 'whiskerdash')} cannot be written")
    game = start(installed, home, anywhere, os.path.join(anywhere.path, "hunt.lvx"))
    try:
        game.wait_for_line("  HM.....CH")
        wait_until("the notice", lambda: notice in game.stderr_text())
        # The notice covers the strip at the top until a key is pressed.
        board_height = 3 * 16 + 20
        shown = screenshot_top(game, board_height)
        game.keys("Shift_L")
        wait_until("the notice to go", lambda: screenshot_top(game, board_height) != shown)
        game.keys("Left")  # into the wall: the level's card gives way and the cats start
        box = game.wait_for_table_box()  # the cat catches the mouse standing still
        game.keys("Escape", window=box)
        check(game.wait_exit() == 0, "Quit did not end the game with 0")
    finally:
        game.stop()
        os.chmod(home.path, 0o755)
    check(game.stderr_text().count(notice) == 1, "notice not told once: " + game.stderr_text())


def screenshot_top(game, board_height):
    """The top 16 rows of the board's strip as raw pixels, below a menu bar if one is shown."""
    width, height = game.geometry()
    shot = subprocess.run(["import", "-window", str(game.window), "-crop", f"{width}x16+0+{height - board_height}",
                           "rgb:-"], capture_output=True)
    check(shot.returncode == 0, "import: " + shot.stderr.decode())
    return shot.stdout


def refused_level_from_desktop_shows_a_box(installed, env):
    """From the desktop the refusal is shown in a box, then the game exits 1; from a terminal, no box."""
    home, anywhere = Home(env), PlayFolder(installed.data)
    bad = os.path.join(anywhere.path, "wide.lvx")
    anywhere.write("wide.lvx", "H" * 90 + "\n")
    message = f"{bad}:1:81:"
    for from_desktop in (True, False):
        command = installed.exec_line(bad) if from_desktop else [installed.program, bad]
        for attempt in range(10):
            status, errors = run_refused(command, anywhere.path, home.env, from_desktop)
            if not any(text in errors for text in DISPLAY_REFUSED):
                break
            time.sleep(0.05 * (attempt + 1))
        check(status == 1, f"from_desktop={from_desktop}: status {status}")
        check(message in errors, f"from_desktop={from_desktop}: stderr {errors}")


def run_refused(command, folder, env, from_desktop):
    """The status and standard error of a game that must not start, its box closed with Return."""
    process = subprocess.Popen(command, cwd=folder, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE)
    try:
        if from_desktop:
            box = wait_until("the box", lambda: process.poll() is not None or
                             (visible_windows("^Whiskerdash: cannot start$", process.pid) or [None])[0])
            if process.poll() is not None:
                errors = process.stderr.read().decode()
                if any(text in errors for text in DISPLAY_REFUSED):
                    return process.returncode, errors
                raise Failure("exited without a box: " + errors)
            xdotool("windowfocus", "--sync", box)
            xdotool("key", "Return")
        status = process.wait(timeout=20)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    return status, process.stderr.read().decode()


CASES = [fresh_home_plays_from_the_menu, own_level_and_sprite_win, play_folder_when_started_in_one,
         read_only_home_opens_and_warns, refused_level_from_desktop_shows_a_box]


def run_all(installed, env):
    for case in CASES:
        case(installed, env)
        print("PASS:", case.__name__)
