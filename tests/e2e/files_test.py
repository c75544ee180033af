"""The real game and level checker on odd files and command lines. Usage:
    files_test.py --exe GAME --check CHECKER --data DIR CASE     (under xvfb-run)"""

import os
import subprocess
import tempfile
import time

from harness import DISPLAY_REFUSED, run_cases, Failure, Game, PlayFolder, check, visible_windows, wait_until

SOUND = ["HHHHH", "HM.CH", "HHHHH"]
QUICK = 1.0  # seconds: a refusal must come at once, never after a hang


def own_env(folder):
    return dict(os.environ, XDG_CONFIG_HOME=os.path.join(folder.path, ".config"))


def refused_quickly(exe, folder, args, message):
    """Runs the game, which must stop by itself within a second with `message` on stderr."""
    for attempt in range(10):
        started = time.monotonic()
        try:
            result = subprocess.run([exe, *args], cwd=folder.path, env=own_env(folder), capture_output=True,
                                    text=True, stdin=subprocess.DEVNULL, timeout=QUICK * 5)
        except subprocess.TimeoutExpired:
            raise Failure(f"{args}: still running after {QUICK * 5} s")
        took = time.monotonic() - started
        if not any(text in result.stderr for text in DISPLAY_REFUSED):
            break
        time.sleep(0.05 * (attempt + 1))
    check(result.returncode == 1, f"{args}: exit status {result.returncode}; stderr: {result.stderr}")
    check(result.stderr.rstrip("\n").endswith(message), "stderr: " + result.stderr)
    check(took < QUICK, f"{args}: refused after {took:.2f} s")


def fifo_level_refused(exe, check_exe, data):
    """A FIFO as the level argument or as level000.lvx: refused, not read for ever."""
    folder = PlayFolder(data, {"level000.lvx": SOUND})
    os.mkfifo(os.path.join(folder.path, "pipe.lvx"))
    refused_quickly(exe, folder, ["pipe.lvx"], "whiskerdash: pipe.lvx: is a FIFO, not a regular file")
    os.remove(os.path.join(folder.path, "level000.lvx"))
    os.mkfifo(os.path.join(folder.path, "level000.lvx"))
    refused_quickly(exe, folder, [], "whiskerdash: level000.lvx: is a FIFO, not a regular file")

    started = time.monotonic()
    result = subprocess.run([check_exe, "pipe.lvx"], cwd=folder.path, capture_output=True, text=True, timeout=10)
    check(time.monotonic() - started < QUICK, "the checker took too long on a FIFO")
    check(result.returncode == 1, f"checker exit status {result.returncode}")
    check(result.stdout == "pipe.lvx: is a FIFO, not a regular file\n", "checker: " + result.stdout)
    folder.remove()


def bad_first_rows_refused(exe, check_exe, data):
    """No zero-width window and no invisible mouse: both refused with file and line."""
    folder = PlayFolder(data, {"level000.lvx": SOUND, "empty-row.lvx": ["", "HMCH", "HHHH"],
                               "far-mouse.lvx": ["HHHH", "HC.H", "HHHH.M"]})
    refused_quickly(exe, folder, ["empty-row.lvx"],
                    "whiskerdash: empty-row.lvx:1:1: first row is empty: the board would have no width")
    refused_quickly(exe, folder, ["far-mouse.lvx"], "whiskerdash: far-mouse.lvx:3:6: mouse outside the drawn board, "
                                                    "which is 4 cells wide (the first row's length)")
    check(not os.path.exists(os.path.join(folder.path, "hsc.dat")), "a refused start wrote the table")
    folder.remove()


def command_line(exe, check_exe, data):
    folder = PlayFolder(data, {"level000.lvx": SOUND})
    quiet = own_env(folder)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"):
        quiet.pop(name, None)
    # Help and version: standard output, status 0, no display, no trace, no file touched.
    for args, start in [(["--help"], "Usage: whiskerdash [options] [LEVEL.lvx]"), (["-h"], "Usage: whiskerdash"),
                        (["--version"], "whiskerdash "), (["-v", "no-such.lvx"], "whiskerdash ")]:
        result = subprocess.run([exe, *args], cwd=folder.path, env=quiet, capture_output=True, text=True, timeout=10)
        check(result.returncode == 0, f"{args}: exit status {result.returncode}: {result.stderr}")
        check(result.stdout.startswith(start), f"{args}: {result.stdout!r}")
        check("reading line" not in result.stdout and result.stderr == "", f"{args}: {result.stderr!r}")
    check(sorted(os.listdir(folder.path)) == sorted(os.listdir(PlayFolder(data, {"level000.lvx": SOUND}).path)),
          "a file appeared")

    # Without a display too, an unknown option is told before the toolkit starts.
    result = subprocess.run([exe, "--bogus"], cwd=folder.path, env=quiet, capture_output=True, text=True, timeout=10)
    check(result.returncode == 2 and result.stderr.startswith("whiskerdash: Unknown option 'bogus'."),
          f"--bogus without a display: {result.returncode} {result.stderr!r}")

    # An unknown option or a second level: one line and where to find help on stderr, status 2.
    for args, error in [(["--bogus"], "whiskerdash: Unknown option 'bogus'."),
                        (["a.lvx", "b.lvx"], "whiskerdash: only one level file can be given, not 2")]:
        game = Game(exe, folder, args, expect_window=False, env=own_env(folder))
        code = game.wait_exit()
        check(code == 2, f"{args}: exit status {code}")
        check(game.errors == [error, "Try 'whiskerdash --help' for more information."], game.stderr_text())
        check(game.stdout_text() == "", "trace before the usage error")

    # "--" ends the options: a level whose name begins with a dash still plays.
    folder.write("-x.lvx", "HHHHHH\nHM..CH\nHHHHHH\n")
    game = Game(exe, folder, ["--mute", "--", "-x.lvx"], env=own_env(folder))
    try:
        game.wait_for_line("  HM..CH")
        check(game.geometry() == (6 * 16, 3 * 16 + 20), f"window {game.geometry()}")
        # The window carries the icon, and its class names the desktop file.
        def props():
            return subprocess.run(["xprop", "-id", str(game.window), "WM_CLASS", "_NET_WM_ICON"], capture_output=True,
                                  text=True, timeout=10).stdout
        check('WM_CLASS(STRING) = "whiskerdash", "org.whiskerdash.Whiskerdash"' in props(), props()[:200])
        # The icon follows the first frame.
        wait_until("the window's icon", lambda: "_NET_WM_ICON(CARDINAL) = " in props() and "Icon (16 x 16)" in props())
    finally:
        game.stop()

    # The checker: the same options, problems on stdout as FILE:LINE:COLUMN:, a count on stderr.
    def checker(*args):
        return subprocess.run([check_exe, *args], cwd=folder.path, capture_output=True, text=True, timeout=10)
    result = checker("--version")
    check(result.returncode == 0 and result.stdout.startswith("whiskerdash-check "), result.stdout)
    result = checker("--help")
    check(result.returncode == 0 and "FILE:LINE:COLUMN" in result.stdout, result.stdout)
    result = checker("--bogus", "level000.lvx")
    check(result.returncode == 2 and result.stdout == "" and "Usage:" in result.stderr, result.stderr)
    result = checker()
    check(result.returncode == 2, "no file given")
    folder.write("bad.lvx", "HHHH\nHMkH\nHHH\n")
    result = checker("level000.lvx", "bad.lvx", "--", "-x.lvx")
    check(result.returncode == 1, f"exit status {result.returncode}")
    check(result.stdout == "bad.lvx:2:3: unknown cell 'k': the game plays it as floor\n"
                           "bad.lvx:3: row is 3 cells long, the first row 4\n"
                           "bad.lvx: no cats: the level can never be cleared\n", result.stdout)
    check(result.stderr == "whiskerdash-check: 1 of 3 files have problems\n", result.stderr)
    folder.remove()


def closed_standard_output(exe, check_exe, data):
    """whiskerdash | head: with no reader left from the start, the game still
    plays: the cat next to the mouse catches it and the table box opens."""
    folder = PlayFolder(data, {"level000.lvx": ["HHHHH", "HMC.H", "HHHHH"]})
    for attempt in range(10):
        reader, writer = os.pipe()
        os.close(reader)  # before the game writes anything
        process = subprocess.Popen([exe], cwd=folder.path, env=own_env(folder), stdout=writer,
                                   stderr=subprocess.PIPE, stdin=subprocess.DEVNULL)
        os.close(writer)
        try:
            def two_windows():
                if process.poll() is not None:
                    return "exited"
                return len(visible_windows("^Whiskerdash$", process.pid)) == 2
            state = wait_until("the table box", two_windows)
            if state != "exited":
                break
            errors = process.stderr.read().decode()
            check(any(text in errors for text in DISPLAY_REFUSED),
                  f"the game died: status {process.returncode}; stderr: {errors}")
        finally:
            if process.poll() is None:
                process.kill()
            process.wait()
            process.stderr.close()
        time.sleep(0.05 * (attempt + 1))
    else:
        raise Failure("the display refused the game 10 times")
    folder.remove()


CASES = {f.__name__: f for f in [fifo_level_refused, bad_first_rows_refused, command_line, closed_standard_output]}


if __name__ == "__main__":
    run_cases(CASES, extra_paths=("check",))
