"""Installs the build into a scratch prefix, validates the desktop files, manual
pages and file type, and plays through the installed launcher: the game finds
the installed data itself, and the launcher never touches a player's files.
Usage:
    install_test.py --build BUILD_DIR --data DATA_DIR     (under xvfb-run)"""

import argparse
import atexit
import os
import shutil
import subprocess
import tempfile

from harness import exit_with, Failure, Game, PlayFolder, check, wait_until, xdotool
from sound_test import SoundServer

APP_ID = "org.whiskerdash.Whiskerdash"
OWN_LEVEL = "HHHHHHH\nHM...CH\nHHHHHHH\n"


def run(*command, env=None):
    result = subprocess.run(command, capture_output=True, text=True, env=env)
    check(result.returncode == 0, f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result


def check_installed_files(prefix, data_dir):
    share = os.path.join(prefix, "share")
    installed = [f"applications/{APP_ID}.desktop", f"metainfo/{APP_ID}.metainfo.xml",
                 f"mime/packages/{APP_ID}.xml", f"icons/hicolor/scalable/apps/{APP_ID}.svg",
                 "man/man6/whiskerdash.6.gz", "man/man6/whiskerdash-check.6.gz"]
    installed += [f"icons/hicolor/{size}x{size}/apps/{APP_ID}.png" for size in (16, 32, 48, 64, 128, 256)]
    for path in installed:
        check(os.path.isfile(os.path.join(share, path)), "not installed: " + path)
    for name in ["hsc.dat", "level000.lvx", "level032.lvx", "mouse.xpm", "cheese.wav", "caught.wav"]:
        check(os.path.isfile(os.path.join(data_dir, name)), "not installed: " + name)
    check(os.path.isfile(os.path.join(prefix, "libexec", "whiskerdash", "whiskerdash-sound.so")),
          "the sound module is not beside the game")
    run("desktop-file-validate", os.path.join(share, "applications", APP_ID + ".desktop"))
    run("appstreamcli", "validate", "--pedantic", "--no-net", os.path.join(share, "metainfo", APP_ID + ".metainfo.xml"))
    for page in ("whiskerdash", "whiskerdash-check"):
        shown = run("man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z",
                    os.path.join(share, "man", "man6", page + ".6.gz"), env=dict(os.environ, LC_ALL="C.UTF-8"))
        check(shown.stderr == "", f"{page}.6: {shown.stderr}")
    # The file type: a database built from the installed definition maps *.lvx to it.
    mime = os.path.join(tempfile.mkdtemp(prefix="whiskerdash-mime-"), "mime")
    shutil.copytree(os.path.join(share, "mime"), mime)
    run("update-mime-database", mime)
    check("application/x-whiskerdash-level:*.lvx" in open(os.path.join(mime, "globs")).read(), "no *.lvx glob")
    run(os.path.join(prefix, "bin", "whiskerdash-check"),
        *[os.path.join(data_dir, f"level{n:03d}.lvx") for n in range(33)])


def window_class(game):
    out = run("xprop", "-id", str(game.window), "WM_CLASS").stdout
    return out.split("=", 1)[1].strip() if "=" in out else out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--data", required=True)
    options = parser.parse_args()
    scratch = tempfile.mkdtemp(prefix="whiskerdash-install-")
    prefix = os.path.join(scratch, "prefix")
    run("cmake", "--install", options.build, "--prefix", prefix)
    data_dir = os.path.join(prefix, "share", "whiskerdash")
    check_installed_files(prefix, data_dir)

    launcher = os.path.join(prefix, "bin", "whiskerdash")
    home = os.path.join(scratch, "home")
    env = dict(os.environ, XDG_DATA_HOME=os.path.join(scratch, "xdg"), HOME=home,
               XDG_CONFIG_HOME=os.path.join(scratch, "config"))
    play = os.path.join(scratch, "xdg", "whiskerdash")
    # A sound server of the test's own, so the installed game can be heard to find its effects.
    server = SoundServer()
    server.start()
    atexit.register(server.stop)
    env.update({key: server.env[key] for key in ("XDG_RUNTIME_DIR", "PULSE_SERVER", "PULSE_CLIENTCONFIG")})
    anywhere = PlayFolder(options.data)  # the launcher is started from an unrelated folder

    # Help and version from the launcher: no display needed, no folder made.
    quiet = {key: value for key, value in env.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for option in ("--help", "-v"):
        result = subprocess.run([launcher, option], cwd=anywhere.path, env=quiet, capture_output=True, text=True,
                                timeout=20)
        check(result.returncode == 0 and result.stdout.startswith(("Usage: whiskerdash", "whiskerdash ")),
              f"{option}: {result.returncode} {result.stdout}{result.stderr}")
    check(not os.path.exists(play), "--help made the play folder")

    # First start: the play folder gets the starting table and nothing else; the
    # game reads the installed levels, sprites and sounds; the window names the desktop file.
    game = Game(launcher, anywhere, env=env, config_home=env.get("XDG_CONFIG_HOME"))
    try:
        wait_until("the installed game to join the sound server", lambda: "whiskerdash" in server.clients())
        game.wait_for_line("reading line 19")
        check(window_class(game) == f'"whiskerdash", "{APP_ID}"', "WM_CLASS " + window_class(game))
        check(game.stderr_text().count("cannot load the sprite") == 0, game.stderr_text())
        # A new game finds the installed level 0 too.
        game.keys("F2")
        game.wait_for_line("reading line 19", count=2)
        check(game.process.poll() is None and "whiskerdash:" not in game.stderr_text(), game.stderr_text())
    finally:
        game.stop()
    check(sorted(os.listdir(play)) == ["hsc.dat"], f"play folder holds {sorted(os.listdir(play))}")
    check(open(os.path.join(play, "hsc.dat"), "rb").read() ==
          open(os.path.join(options.data, "hsc.dat"), "rb").read(), "the starting table")

    # The player's own files: a table, an extra level, an edited level and sprite,
    # all kept byte for byte; the game plays the edited level 0 from the play folder.
    # The table in the format: the game would move a damaged one aside.
    table = "Mine\n\n" + "".join(f"me.....{n}\n" for n in range(9, -1, -1))
    own = {"hsc.dat": table.encode(), "level000.lvx": OWN_LEVEL.encode(), "level012.lvx": b"my own\n",
           "level005.lvx": b"edited\n", "cat.xpm": b"/* XPM */ edited\n"}
    for name, content in own.items():
        with open(os.path.join(play, name), "wb") as out:
            out.write(content)
    anywhere.write("given.lvx", "HHHHH\nHM.CH\nHHHHH\n")
    for args, row, size in [([], "  HM...CH", (7 * 16, 3 * 16 + 20)), (["given.lvx"], "  HM.CH", (5 * 16, 3 * 16 + 20)),
                            (["--", "given.lvx"], "  HM.CH", (5 * 16, 3 * 16 + 20))]:
        game = Game(launcher, anywhere, args, env=env, config_home=env.get("XDG_CONFIG_HOME"))
        try:
            game.wait_for_line(row)
            check(game.geometry() == size, f"{args}: window {game.geometry()}")
        finally:
            game.stop()
    for name, content in own.items():
        check(open(os.path.join(play, name), "rb").read() == content, name + " was changed")
    check(sorted(os.listdir(play)) == sorted(own), f"play folder holds {sorted(os.listdir(play))}")

    # Two launchers at once into a fresh folder, a few times: both games start,
    # one starting table, no temporary file left.
    for attempt in range(4):
        env2 = dict(env, XDG_DATA_HOME=os.path.join(scratch, f"twice{attempt}"))
        play2 = os.path.join(scratch, f"twice{attempt}", "whiskerdash")
        starts = [subprocess.Popen([launcher], cwd=anywhere.path, env=env2, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE, stdin=subprocess.DEVNULL) for _ in range(2)]
        try:
            for start in starts:
                wait_until("a window of both games", lambda: start.poll() is not None or
                           xdotool("search", "--onlyvisible", "--pid", start.pid, "--name", "^Whiskerdash$").stdout)
        finally:
            errors = []
            for start in starts:
                if start.poll() is None:
                    start.kill()
                start.wait()
                errors.append(start.stderr.read().decode())
        refused = any("display" in text for text in errors)
        check(refused or all(start.returncode == -9 for start in starts), f"a launcher stopped: {errors}")
        check(sorted(os.listdir(play2)) == ["hsc.dat"], f"round {attempt}: {sorted(os.listdir(play2))}")
        check(not any("whiskerdash:" in text for text in errors), f"round {attempt}: {errors}")

    # XDG rules: a relative XDG_DATA_HOME is ignored; an unset HOME is no error
    # when XDG_DATA_HOME is set; a dangling hsc.dat link is the player's business.
    relative = dict(env, XDG_DATA_HOME="relative/data")
    Game(launcher, anywhere, env=relative, config_home=relative.get("XDG_CONFIG_HOME")).stop()
    check(os.path.isfile(os.path.join(home, ".local", "share", "whiskerdash", "hsc.dat")), "relative XDG_DATA_HOME used")
    check(not os.path.exists(os.path.join(anywhere.path, "relative")), "relative XDG_DATA_HOME used")
    no_home = {key: value for key, value in env.items() if key != "HOME"}
    no_home["XDG_DATA_HOME"] = os.path.join(scratch, "nohome")
    dangling = os.path.join(scratch, "nohome", "whiskerdash", "hsc.dat")
    os.makedirs(os.path.dirname(dangling))
    os.symlink(os.path.join(scratch, "gone"), dangling)
    Game(launcher, anywhere, env=no_home, config_home=no_home.get("XDG_CONFIG_HOME")).stop()
    check(os.path.islink(dangling) and not os.path.exists(dangling), "the dangling link was replaced")

    # A play folder that cannot be made: the message names that folder.
    blocked = os.path.join(scratch, "blocked")
    open(blocked, "w").close()
    result = subprocess.run([launcher], cwd=anywhere.path, env=dict(env, XDG_DATA_HOME=blocked),
                            capture_output=True, text=True, timeout=20)
    check(result.returncode == 1, f"exit status {result.returncode}")
    check(f"whiskerdash: cannot make the play folder {blocked}/whiskerdash" in result.stderr, result.stderr)
    print("PASS: install")
    return 0


if __name__ == "__main__":
    exit_with(main)
