"""The real program on Wayland: a nested weston (its X11 backend, inside the
test's Xvfb) as the compositor, the game on Qt's wayland platform, real key
presses sent to the compositor's window."""

import os
import re
import shutil
import subprocess
import tempfile

from harness import Failure, Game, PlayFolder, check, run_cases, wait_until, xdotool

APP_ID = "org.whiskerdash.Whiskerdash"
TRAP = ["HHHHHHHH", "HMK.BCHH", "HHHHHHHH"]  # three steps right: cheese, then the cat is caught
NEXT = ["HHHHHH", "HM..CH", "HHHHHH"]


class Weston:
    """A weston of the test's own, in a runtime folder of its own."""

    def __init__(self, shell="kiosk-shell.so"):
        self.runtime = tempfile.mkdtemp(prefix="whiskerdash-wayland-")
        os.chmod(self.runtime, 0o700)
        self.socket = "whiskerdash-test"
        self.log = os.path.join(self.runtime, "weston.log")
        env = dict(os.environ, XDG_RUNTIME_DIR=self.runtime)
        env.pop("WAYLAND_DISPLAY", None)
        # The kiosk shell gives the one window the whole output and the keyboard.
        self.process = subprocess.Popen(
            ["weston", "--backend=x11-backend.so", "--use-pixman", f"--shell={shell}", "--no-config",
             f"--socket={self.socket}", "--width=640", "--height=480", f"--log={self.log}"],
            env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self.window = wait_until("weston's window", self._window)
            # The X focus goes to weston once, before any client: moving it
            # later takes the keyboard from the client for good at times.
            xdotool("windowfocus", "--sync", self.window)
        except Failure:
            self.stop()
            raise

    def _window(self):
        if self.process.poll() is not None:
            raise Failure(f"weston stopped with {self.process.returncode}: " + open(self.log).read()[-2000:])
        if not os.path.exists(os.path.join(self.runtime, self.socket)):
            return None
        found = xdotool("search", "--class", "^Weston Compositor$").stdout.split()
        return found[0] if found else None

    def env(self):
        return dict(os.environ, XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=self.socket, QT_QPA_PLATFORM="wayland",
                    WAYLAND_DEBUG="client")

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.runtime, ignore_errors=True)


class WaylandGame(Game):
    """The game as a Wayland client: its window is the compositor's, once the
    client has named itself and drawn."""

    def __init__(self, exe, folder, weston, args=()):
        self.weston = weston
        super().__init__(exe, folder, args, env=weston.env())

    def _main_window(self):
        if self.process.poll() is not None:
            raise Failure(f"exited with {self.process.returncode}; stderr: {self.stderr_text()[-2000:]}")
        text = self.stderr_text()
        named = re.search(r'xdg_toplevel@\d+\.set_app_id\("([^"]*)"\)', text)
        drawn = re.search(r"wl_surface@\d+\.attach\(wl_buffer@\d+", text)
        return self.weston.window if named and drawn else None

    def keys(self, *keys, window=None):
        # Straight to weston's window, which holds the X focus already.
        xdotool("key", "--delay", "30", *keys)


def keyboard_events(game):
    """The client's keyboard events so far: enter, leave and key."""
    return re.findall(r"wl_keyboard@\d+\.(enter|leave|key)\(", game.stderr_text())


def arrows_move_and_ctrl_q_quits(exe, data):
    weston = Weston()
    folder = PlayFolder(data, {"level000.lvx": TRAP, "level001.lvx": NEXT})
    game = None
    try:
        game = WaylandGame(exe, folder, weston)
        names = re.findall(r'xdg_toplevel@\d+\.set_app_id\("([^"]*)"\)', game.stderr_text())
        check(names == [APP_ID], f"app id {names}")
        check("xcb" not in game.stderr_text(), "not on Wayland: " + game.stderr_text()[-500:])
        game.wait_for_line("  HMK.BCHH")
        # Keys sent before the compositor gave the window the keyboard would be lost.
        wait_until("the keyboard's focus", lambda: keyboard_events(game)[-1:] == ["enter"])
        game.keys("Right", "Right", "Right")
        try:
            game.wait_for_line("  HM..CH")  # the cat caught, the next level read
        except Failure as failure:
            raise Failure(f"{failure}; keyboard events: {keyboard_events(game)}")
        entered = keyboard_events(game).count("enter")
        game.keys("ctrl+q")
        # The 10 points of the cheese: the game asks first, in a box that takes the keyboard.
        wait_until("the quit question", lambda: keyboard_events(game).count("enter") > entered)
        game.keys("q")
        check(game.wait_exit() == 0, f"status {game.process.returncode}")
    finally:
        if game:
            game.stop()
        weston.stop()
        folder.remove()


# Wide enough that 2x nearly fills the 640-pixel output, and 3x does not fit;
# the cat walled in, so play can start at once with the whole floor in sight.
WIDE = ["H" * 18, "HM" + "." * 13 + "HCH", "H" + "." * 14 + "HHH", *["H" + "." * 16 + "H"] * 4, "H" * 18]
FLOOR = (0xDD, 0xE6, 0xD5)


def floor_pixels(weston):
    """How many pixels of the output show the board's floor."""
    shot = subprocess.run(["import", "-window", weston.window, "-depth", "8", "rgb:-"], capture_output=True)
    check(shot.returncode == 0, "import failed: " + shot.stderr.decode(errors="replace"))
    pixels = shot.stdout
    return sum(1 for at in range(0, len(pixels) - 2, 3) if tuple(pixels[at:at + 3]) == FLOOR)


def zoom_keeps_the_window_on_the_output(exe, data):
    # The desktop shell places windows where the client cannot see or choose;
    # it keeps a growing window's top-left corner.
    weston = Weston("desktop-shell.so")
    folder = PlayFolder(data, {"level000.lvx": WIDE})
    game = None
    try:
        game = WaylandGame(exe, folder, weston, ["--no-wait"])
        game.wait_for_line("  " + WIDE[1])
        wait_until("the keyboard's focus", lambda: keyboard_events(game).count("enter") > 0)
        # Once drawn, the floor (and what the sprites leave of it) at 1x...
        at_1x = wait_until("the board drawn", lambda: floor_pixels(weston) or None)
        for _ in range(3):
            game.keys("ctrl+plus")
        # ...is four times as many pixels at 2x, the most the output holds, when none
        # is off it and play goes on (a paused board is dimmed). The sprites' edges
        # scale a little unevenly; a sliver of the board off the output loses more.
        shown = []
        try:
            wait_until("the whole board at 2x", lambda: shown.append(floor_pixels(weston)) or shown[-1] >= 0.97 * 4 * at_1x)
        except Failure as failure:
            raise Failure(f"{failure}: {shown[-1]} floor pixels, not {4 * at_1x}")
        check(game.process.poll() is None, "the game ended")
    finally:
        if game:
            game.stop()
        weston.stop()
        folder.remove()


CASES = {f.__name__: f for f in [arrows_move_and_ctrl_q_quits, zoom_keeps_the_window_on_the_output]}

if __name__ == "__main__":
    run_cases(CASES)
