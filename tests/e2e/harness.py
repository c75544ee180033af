"""Runs the real whiskerdash on the X server of $DISPLAY and drives it with
real key events from xdotool. Every wait is on the program's own output or
windows; a client that Xvfb turns away is retried."""

import atexit
import os
import re
import shutil
import signal
import subprocess
import tempfile
import threading
import time

DISPLAY_REFUSED = ("could not connect to display", "Can't open display", "cannot open display")
WAIT = 20.0  # seconds before a wait gives up: a hang fails, it never blocks CI

# Levels the cases share. One cat and a mouse that stays where it is:
OPEN = ["HHHHHHHHHH",
        "H........H",
        "H.M......H",
        "H........H",
        "H......C.H",
        "HHHHHHHHHH"]
# The mouse eats the cheese, then pushes the block onto a walled-in cat.
TRAP = ["HHHHHHHH",
        "HMK.BCHH",
        "HHHHHHHH"]


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def xdotool(*args, retries=10):
    """One xdotool call; retried while the display refuses the connection."""
    for attempt in range(retries):
        result = subprocess.run(["xdotool", *map(str, args)], capture_output=True, text=True, timeout=WAIT + 5)
        if not any(text in result.stderr for text in DISPLAY_REFUSED):
            return result
        time.sleep(0.05 * (attempt + 1))
    raise Failure(f"xdotool {' '.join(map(str, args))}: display refused the connection {retries} times")


def visible_windows(name, pid=None):
    args = ["search", "--all", "--onlyvisible", "--name", name]
    if pid:
        args[1:1] = ["--pid", pid]
    return [line for line in xdotool(*args).stdout.split() if line]


GAMES = []  # every program a case started, for a timeout to show what each said


def wait_until(what, condition, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            said = "".join(f"\nstderr of the game (pid {game.process.pid}):\n{game.stderr_text()[-2000:]}"
                           for game in GAMES)
            raise Failure(f"timed out waiting for {what}{said}")
        time.sleep(0.02)


class PlayFolder:
    """A fresh folder with the shipped sprites and the given levels and table."""

    def __init__(self, data_dir, levels=None, table=None, shipped_levels=False):
        self.path = tempfile.mkdtemp(prefix="whiskerdash-e2e-")
        for name in os.listdir(data_dir):
            if name.endswith(".xpm") or (shipped_levels and name.endswith(".lvx")):
                shutil.copy(os.path.join(data_dir, name), self.path)
        for name, rows in (levels or {}).items():
            with open(os.path.join(self.path, name), "w") as out:
                out.write("".join(row + "\n" for row in rows))
        if table is not None:
            self.write("hsc.dat", table)

    def write(self, name, data):
        with open(os.path.join(self.path, name), "wb") as out:
            out.write(data if isinstance(data, bytes) else data.encode())

    def read(self, name):
        with open(os.path.join(self.path, name), "rb") as file:
            return file.read()

    def remove(self):
        shutil.rmtree(self.path, ignore_errors=True)


class Shot:
    """The window's pixels as the X server holds them."""

    def __init__(self, game):
        width, height = game.geometry()
        for attempt in range(10):
            grab = subprocess.run(["import", "-window", game.window, "-depth", "8", "rgb:-"], capture_output=True)
            if grab.returncode == 0 and len(grab.stdout) == width * height * 3:
                break
            time.sleep(0.05 * (attempt + 1))
        check(grab.returncode == 0, "import failed: " + grab.stderr.decode(errors="replace"))
        self.width, self.height, self.pixels = width, height, grab.stdout

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.pixels[at:at + 3])

    def block(self, x, y, size):
        return b"".join(self.pixels[((y + r) * self.width + x) * 3:][:size * 3] for r in range(size))

    def board(self):
        """Everything below the strip, where only the cells change."""
        return self.pixels[20 * self.width * 3:]


def hide_menu_bar(config_home):
    """Settings in which the window is the board alone, as the cases measure it."""
    os.makedirs(os.path.join(config_home, "whiskerdash"))
    with open(os.path.join(config_home, "whiskerdash", "whiskerdash.conf"), "w") as conf:
        conf.write("[view]\nmenu_bar=false\n")


class Game:
    """The running program: its output lines as they come, and its main window."""

    def __init__(self, exe, folder, args=(), expect_window=True, env=None, config_home=None, menu_bar=False,
                 preexec=None):
        self.folder = folder
        self.preexec = preexec  # run in the child before the program, as for a resource limit
        # Settings of this game only, whatever the caller's environment holds:
        # a remembered zoom or name never leaks in. A test that means to keep
        # settings from one game to the next names the folder.
        self.env = dict(env if env is not None else os.environ)
        if not config_home:
            config_home = tempfile.mkdtemp(prefix="whiskerdash-config-")
            atexit.register(shutil.rmtree, config_home, True)
            if not menu_bar:
                hide_menu_bar(config_home)
        self.env["XDG_CONFIG_HOME"] = config_home
        for attempt in range(10):
            self._start(exe, args)
            if not expect_window:
                # The program is expected to stop by itself: retry only when it
                # stopped because the display turned it away.
                self.wait_exit()
                if not any(text in self.stderr_text() for text in DISPLAY_REFUSED):
                    return
                time.sleep(0.05 * (attempt + 1))
                continue
            try:
                self.window = wait_until("the main window", self._main_window)
                return
            except Failure:
                self.process.kill()
                self.process.wait()
                self._readers_done()
                if not any(text in self.stderr_text() for text in DISPLAY_REFUSED):
                    raise Failure("no window; stderr: " + self.stderr_text())
            time.sleep(0.05 * (attempt + 1))
        raise Failure("the display refused the program 10 times")

    def _start(self, exe, args):
        self.lines = []
        self.errors = []
        self.started = time.monotonic()
        self.changed = threading.Condition()
        self.process = subprocess.Popen([exe, *args], cwd=self.folder.path, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, stdin=subprocess.DEVNULL, env=self.env,
                                        preexec_fn=self.preexec)
        if self not in GAMES:
            GAMES.append(self)
        self.readers = [threading.Thread(target=self._read, args=(self.process.stdout, self.lines), daemon=True),
                        threading.Thread(target=self._read, args=(self.process.stderr, self.errors), daemon=True)]
        for reader in self.readers:
            reader.start()

    def _read(self, stream, sink):
        for raw in iter(stream.readline, b""):
            with self.changed:
                sink.append(raw.decode("utf-8", "replace").rstrip("\n"))
                self.changed.notify_all()

    def _readers_done(self):
        for reader in self.readers:
            reader.join(timeout=WAIT)

    def _main_window(self):
        if self.process.poll() is not None:
            raise Failure(f"exited with {self.process.returncode}; stderr: {self.stderr_text()}")
        windows = visible_windows("^Whiskerdash$", self.process.pid)
        return windows[0] if len(windows) == 1 else None

    def stdout_text(self):
        with self.changed:
            return "\n".join(self.lines)

    def stderr_text(self):
        with self.changed:
            return "\n".join(self.errors)

    def wait_for_line(self, pattern, count=1):
        """Waits until `count` output lines match the regular expression."""
        regex = re.compile(pattern)
        deadline = time.monotonic() + WAIT
        with self.changed:
            while sum(1 for line in self.lines if regex.fullmatch(line)) < count:
                if self.process.poll() is not None and not self.readers[0].is_alive():
                    raise Failure(f"exited before printing {pattern!r}; " + self._last_words())
                if not self.changed.wait(timeout=max(0.0, deadline - time.monotonic())) \
                        and time.monotonic() > deadline:
                    raise Failure(f"timed out waiting for {pattern!r}; " + self._last_words())

    def _last_words(self):
        """The end of both outputs, for a failure to say what the program said (lock held)."""
        return ("output:\n" + "\n".join(self.lines[-20:]) + "\nstderr:\n" + "\n".join(self.errors[-20:]))

    def count_lines(self, pattern):
        regex = re.compile(pattern)
        with self.changed:
            return sum(1 for line in self.lines if regex.fullmatch(line))

    def keys(self, *keys, window=None):
        """Real key presses to the given window (the main one by default)."""
        target = window or self.window
        xdotool("windowfocus", "--sync", target)
        xdotool("key", "--delay", "30", *keys)

    def type_text(self, text, window):
        xdotool("windowfocus", "--sync", window)
        xdotool("type", "--delay", "30", text)

    def wait_for_dialog(self, title):
        return wait_until(f"a window titled {title!r}", lambda: (visible_windows(f"^{re.escape(title)}$") or [None])[0])

    def wait_for_table_box(self):
        """The message box: a second visible window titled Whiskerdash."""
        def second():
            windows = visible_windows("^Whiskerdash$", self.process.pid)
            others = [w for w in windows if w != self.window]
            return others[0] if others else None
        return wait_until("the high-score box", second)

    def geometry(self, window=None):
        out = xdotool("getwindowgeometry", window or self.window).stdout
        match = re.search(r"Geometry: (\d+)x(\d+)", out)
        check(match, "no geometry in " + out)
        return int(match.group(1)), int(match.group(2))

    def window_rect(self, window=None):
        """x, y, width, height of a window on the screen."""
        out = xdotool("getwindowgeometry", window or self.window).stdout
        at = re.search(r"Position: (-?\d+),(-?\d+)", out)
        check(at, "no position in " + out)
        return (int(at.group(1)), int(at.group(2))) + self.geometry(window)

    def window_origin(self):
        return self.window_rect()[:2]

    def wait_exit(self):
        try:
            code = self.process.wait(timeout=WAIT)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
            self._readers_done()
            raise Failure(f"the program did not exit within {WAIT} s; stderr: {self.stderr_text()}")
        self._readers_done()
        return code

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self._readers_done()


def guard_x_server():
    """xvfb-run stops its Xvfb when the case ends, but killed itself (by a
    timeout) it leaves the server running. A watcher of the case's own stops
    that server, by its pid, once the case has gone and xvfb-run has not."""
    number = os.environ.get("DISPLAY", "").lstrip(":").split(".")[0]
    try:
        with open(f"/tmp/.X{number}-lock") as lock:
            server = int(lock.read().strip())
        with open(f"/proc/{server}/cmdline", "rb") as cmdline:
            if os.path.basename(cmdline.read().split(b"\0")[0]) != b"Xvfb":
                return
        with open(f"/proc/{server}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        started = fields[19]  # the same process later, not a reused pid
        if int(fields[1]) != os.getppid():
            return  # not started by the xvfb-run that started this case
    except (OSError, ValueError, IndexError):
        return  # not an Xvfb of ours to look after
    case = os.getpid()
    if os.fork():
        return
    # The watcher holds none of the case's output open, or CTest would wait for it.
    os.setsid()
    null = os.open(os.devnull, os.O_RDWR)
    for fd in (0, 1, 2):
        os.dup2(null, fd)

    def alive(pid, since=None):
        try:
            with open(f"/proc/{pid}/stat") as stat:
                return since is None or stat.read().rsplit(")", 1)[1].split()[19] == since
        except OSError:
            return False

    while alive(case):
        time.sleep(0.5)
    for signal_number, grace in ((signal.SIGTERM, 10.0), (signal.SIGKILL, 5.0)):
        deadline = time.monotonic() + grace
        while alive(server, started) and time.monotonic() < deadline:
            time.sleep(0.2)  # xvfb-run's own clean-up goes first
        if not alive(server, started):
            os._exit(0)
        os.kill(server, signal_number)
    os._exit(0)


def run_cases(cases, extra_paths=()):
    """The command line of a script of cases: --exe PATH [--NAME PATH for each of
    extra_paths] --data DIR CASE; each case gets the paths in that order."""
    import argparse
    import sys
    parser = argparse.ArgumentParser()
    parser.add_argument("--exe", required=True)
    for name in extra_paths:
        parser.add_argument("--" + name, required=True)
    parser.add_argument("--data", required=True)
    parser.add_argument("case", choices=sorted(cases))
    options = parser.parse_args()
    check(os.environ.get("DISPLAY"), "no DISPLAY: run under xvfb-run")
    guard_x_server()
    paths = [options.exe, *(getattr(options, name) for name in extra_paths), options.data]
    try:
        cases[options.case](*map(os.path.abspath, paths))
    except Failure as failure:
        print("FAIL:", failure)
        sys.exit(1)
    print("PASS:", options.case)


def exit_with(main):
    """Runs a script's main(), turning a Failure into its message and status 1."""
    import sys
    guard_x_server()
    try:
        sys.exit(main())
    except Failure as failure:
        print("FAIL:", failure)
        sys.exit(1)
