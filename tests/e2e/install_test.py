"""Installs the build into a scratch prefix, validates the desktop entry and the
metainfo, and plays through the installed launcher. Usage:
    install_test.py --build BUILD_DIR --data DATA_DIR     (under xvfb-run)"""

import argparse
import os
import subprocess
import sys
import tempfile

from harness import Failure, Game, PlayFolder, check

APP_ID = "org.whiskerdash.Whiskerdash"


def run(*command):
    result = subprocess.run(command, capture_output=True, text=True)
    check(result.returncode == 0, f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", required=True)
    parser.add_argument("--data", required=True)
    options = parser.parse_args()
    scratch = tempfile.mkdtemp(prefix="whiskerdash-install-")
    prefix = os.path.join(scratch, "prefix")
    run("cmake", "--install", options.build, "--prefix", prefix)

    share = os.path.join(prefix, "share")
    for path in [f"applications/{APP_ID}.desktop", f"metainfo/{APP_ID}.metainfo.xml",
                 f"icons/hicolor/64x64/apps/{APP_ID}.png", "whiskerdash/hsc.dat", "whiskerdash/level000.lvx",
                 "whiskerdash/level011.lvx", "whiskerdash/mouse.xpm", "whiskerdash/cheese.wav"]:
        check(os.path.isfile(os.path.join(share, path)), "not installed: " + path)
    check(os.path.isfile(os.path.join(prefix, "libexec", "whiskerdash", "whiskerdash-sound.so")),
          "the sound module is not beside the game")
    run("desktop-file-validate", os.path.join(share, "applications", APP_ID + ".desktop"))
    run("appstreamcli", "validate", "--no-net", os.path.join(share, "metainfo", APP_ID + ".metainfo.xml"))
    run(os.path.join(prefix, "bin", "whiskerdash-check"), *[os.path.join(share, "whiskerdash", f"level{n:03d}.lvx")
                                                             for n in range(12)])

    launcher = os.path.join(prefix, "bin", "whiskerdash")
    env = dict(os.environ, XDG_DATA_HOME=os.path.join(scratch, "xdg"), HOME=os.path.join(scratch, "home"))
    play = os.path.join(scratch, "xdg", "whiskerdash")
    anywhere = PlayFolder(options.data)  # the launcher is started from an unrelated folder

    game = Game(launcher, anywhere, env=env)
    game.wait_for_line("reading line 19")
    game.stop()
    for name in ["hsc.dat", "level000.lvx", "level011.lvx", "cat.xpm", "caught.wav"]:
        check(os.path.isfile(os.path.join(play, name)), "play folder lacks " + name)

    # A second start: scores kept, levels refreshed, stale levels gone.
    # A table in the format: the game moves a damaged one aside.
    mine = "Mine\n\n" + "".join(f"me.....{n}\n" for n in range(9, -1, -1))
    with open(os.path.join(play, "hsc.dat"), "w") as out:
        out.write(mine)
    with open(os.path.join(play, "level003.lvx"), "w") as out:
        out.write("edited\n")
    with open(os.path.join(play, "level099.lvx"), "w") as out:
        out.write("stale\n")
    anywhere.write("own.lvx", "HHHHH\nHM.CH\nHHHHH\n")
    game = Game(launcher, anywhere, ["own.lvx"], env=env)
    game.wait_for_line("  HM.CH")
    check(game.geometry() == (5 * 16, 3 * 16 + 20), f"window {game.geometry()}")
    game.stop()
    check(open(os.path.join(play, "hsc.dat")).read() == mine, "the scores were replaced")
    check(open(os.path.join(play, "level003.lvx")).read() == open(os.path.join(options.data, "level003.lvx")).read(),
          "level003.lvx was not refreshed")
    check(not os.path.exists(os.path.join(play, "level099.lvx")), "a stale level stayed")
    print("PASS: install")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except Failure as failure:
        print("FAIL:", failure)
        sys.exit(1)
