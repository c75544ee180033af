"""Installs the build into a scratch prefix, validates the desktop files, manual
pages and file type, and plays the installed game as a player would: from the
menu's Exec line, with a fresh, a used and a read-only home.
Usage:
    install_test.py --build BUILD_DIR --data DATA_DIR     (under xvfb-run)"""

import argparse
import atexit
import os
import shutil
import subprocess
import tempfile

from harness import exit_with, PlayFolder, check, wait_until, xdotool
from installed_cases import APP_ID, Home, Installed, run_all, start
from sound_test import SoundServer


def run(*command, env=None):
    result = subprocess.run(command, capture_output=True, text=True, env=env)
    check(result.returncode == 0, f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result


def check_installed_files(prefix, data_dir):
    share = os.path.join(prefix, "share")
    installed = [f"applications/{APP_ID}.desktop", f"metainfo/{APP_ID}.metainfo.xml",
                 f"mime/packages/{APP_ID}.xml", f"icons/hicolor/scalable/apps/{APP_ID}.svg",
                 f"icons/hicolor/symbolic/apps/{APP_ID}-symbolic.svg",
                 "man/man6/whiskerdash.6.gz", "man/man6/whiskerdash-check.6.gz"]
    installed += [f"icons/hicolor/{size}x{size}/apps/{APP_ID}.png" for size in (16, 32, 48, 64, 128, 256)]
    for path in installed:
        check(os.path.isfile(os.path.join(share, path)), "not installed: " + path)
    for name in ["hsc.dat", "level000.lvx", "level032.lvx", "mouse.xpm", "cheese.wav", "caught.wav"]:
        check(os.path.isfile(os.path.join(data_dir, name)), "not installed: " + name)
    check(os.path.isfile(os.path.join(prefix, "libexec", "whiskerdash", "whiskerdash-sound.so")),
          "the sound module is not in its folder")
    with open(os.path.join(prefix, "bin", "whiskerdash"), "rb") as program:
        check(program.read(4) == b"\x7fELF", "bin/whiskerdash is not the game itself")
    run("desktop-file-validate", os.path.join(share, "applications", APP_ID + ".desktop"))
    run("appstreamcli", "validate", "--pedantic", "--no-net", os.path.join(share, "metainfo", APP_ID + ".metainfo.xml"))
    for page in ("whiskerdash", "whiskerdash-check"):
        shown = run("man", "--warnings", "-E", "UTF-8", "-l", "-Tutf8", "-Z",
                    os.path.join(share, "man", "man6", page + ".6.gz"), env=dict(os.environ, LC_ALL="C.UTF-8"))
        check(shown.stderr == "", f"{page}.6: {shown.stderr}")
    # The file types: a database built from the installed definition maps *.lvx and *.wdpack to them.
    mime = os.path.join(tempfile.mkdtemp(prefix="whiskerdash-mime-"), "mime")
    shutil.copytree(os.path.join(share, "mime"), mime)
    run("update-mime-database", mime)
    globs = open(os.path.join(mime, "globs")).read()
    for glob in ("application/x-whiskerdash-level:*.lvx", "application/x-whiskerdash-pack:*.wdpack"):
        check(glob in globs, f"no {glob} glob")
    run(os.path.join(prefix, "bin", "whiskerdash-check"),
        *[os.path.join(data_dir, f"level{n:03d}.lvx") for n in range(33)])


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
    installed = Installed(os.path.join(prefix, "bin", "whiskerdash"),
                          os.path.join(prefix, "share", "applications", APP_ID + ".desktop"), data_dir, options.data)

    # Help and version: no display needed, no folder made.
    home = Home(os.environ)
    quiet = {key: value for key, value in home.env.items() if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    for option in ("--help", "-v"):
        result = subprocess.run([installed.program, option], cwd=scratch, env=quiet, capture_output=True, text=True,
                                timeout=20)
        check(result.returncode == 0 and result.stdout.startswith(("Usage: whiskerdash", "whiskerdash ")),
              f"{option}: {result.returncode} {result.stdout}{result.stderr}")
    check(home.listing() == [], "--help made the data folder")

    # A sound server of the test's own, so the installed game can be heard to find its module and effects.
    server = SoundServer()
    server.start()
    atexit.register(server.stop)
    env = dict(os.environ, **{key: server.env[key] for key in ("XDG_RUNTIME_DIR", "PULSE_SERVER", "PULSE_CLIENTCONFIG")})
    game = start(installed, Home(env), PlayFolder(options.data))
    try:
        wait_until("the installed game to join the sound server", lambda: "whiskerdash" in server.clients())
    finally:
        game.stop()
    check("sound" not in game.stderr_text(), game.stderr_text())

    run_all(installed, env)

    # Two first starts at once, a few times: both games start, one starting
    # table, no temporary file left.
    rounds = 0
    for attempt in range(4):
        twice = Home(env)
        starts = [subprocess.Popen(installed.exec_line(), cwd=scratch, env=twice.env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE, stdin=subprocess.DEVNULL) for _ in range(2)]
        try:
            for one in starts:
                wait_until("a window of both games", lambda: one.poll() is not None or
                           xdotool("search", "--onlyvisible", "--pid", one.pid, "--name", "^Whiskerdash$").stdout)
        finally:
            errors = []
            for one in starts:
                if one.poll() is None:
                    one.kill()
                one.wait()
                errors.append(one.stderr.read().decode())
        if any("display" in text for text in errors):
            continue  # a game the display turned away never got as far as its folder
        check(all(one.returncode == -9 for one in starts), f"a game stopped: {errors}")
        check(twice.listing() == ["hsc.dat"], f"round {attempt}: {twice.listing()}")
        rounds += 1
    check(rounds > 0, "the display turned a game away in every round")

    # A dangling hsc.dat link is the player's business: left as it is.
    linked = Home(env)
    os.makedirs(linked.data)
    dangling = os.path.join(linked.data, "hsc.dat")
    os.symlink(os.path.join(scratch, "gone"), dangling)
    start(installed, linked, PlayFolder(options.data)).stop()
    check(os.path.islink(dangling) and not os.path.exists(dangling), "the dangling link was replaced")
    print("PASS: install")
    return 0


if __name__ == "__main__":
    exit_with(main)
