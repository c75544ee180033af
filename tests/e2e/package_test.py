"""Checks the Debian package: its control fields and files, hardened and stripped
binaries, lintian, then installs it (dpkg -i as root, otherwise unpacked into a
scratch root), starts the installed game until its window appears, and removes
it again. Usage:
    package_test.py --deb whiskerdash_VERSION_ARCH.deb     (under xvfb-run)"""

import argparse
import fcntl
import os
import re
import subprocess
import tempfile
import time

from harness import exit_with, Failure, check
from installed_cases import APP_ID, Installed, run_all

FILES = ["usr/games/whiskerdash", "usr/games/whiskerdash-check", "usr/libexec/whiskerdash/whiskerdash-sound.so",
         "usr/share/games/whiskerdash/level000.lvx", "usr/share/games/whiskerdash/level011.lvx",
         "usr/share/games/whiskerdash/levels.txt",
         "usr/share/games/whiskerdash/hsc.dat", "usr/share/games/whiskerdash/cat.xpm",
         f"usr/share/applications/{APP_ID}.desktop", f"usr/share/metainfo/{APP_ID}.metainfo.xml",
         f"usr/share/mime/packages/{APP_ID}.xml", f"usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
         f"usr/share/icons/hicolor/256x256/apps/{APP_ID}.png", f"usr/share/icons/hicolor/16x16/apps/{APP_ID}.png",
         "usr/share/man/man6/whiskerdash.6.gz", "usr/share/man/man6/whiskerdash-check.6.gz",
         "usr/share/doc/whiskerdash/copyright", "usr/share/doc/whiskerdash/changelog.gz"]
BINARIES = ["usr/games/whiskerdash-check", "usr/games/whiskerdash"]


def run(*command, retry_locked=False):
    for attempt in range(60):
        result = subprocess.run(command, capture_output=True, text=True)
        # Another install on this machine may hold dpkg's lock for a while.
        if not (retry_locked and result.returncode != 0 and "lock" in result.stderr):
            break
        time.sleep(2)
    check(result.returncode == 0, f"{' '.join(command)} failed:\n{result.stdout}{result.stderr}")
    return result.stdout


def check_control_and_files(deb):
    name = os.path.basename(deb)
    check(re.fullmatch(r"whiskerdash_[0-9.]+_[a-z0-9]+\.deb", name), "package file name " + name)
    control = run("dpkg-deb", "--field", deb)
    check(re.search(r"^Section: games$", control, re.M), "section: " + control)
    depends = re.search(r"^Depends: (.*)$", control, re.M)
    check(depends and "libqt6widgets6" in depends.group(1) and "libc6" in depends.group(1),
          "dependencies not worked out: " + control)
    check(re.search(r"^Recommends: .*\bqt6-wayland\b", control, re.M), "no Recommends: qt6-wayland: " + control)
    listed = {line.split()[-1].lstrip("./") for line in run("dpkg-deb", "--contents", deb).splitlines()}
    for path in FILES:
        check(path in listed, "not in the package: " + path)


def check_binaries(root):
    for binary in BINARIES:
        path = os.path.join(root, binary)
        sections = run("readelf", "--section-headers", "--wide", path)
        check(".symtab" not in sections and ".debug_info" not in sections, binary + " is not stripped")
        check(".comment" not in sections, binary + " keeps .comment")
        check("DYN (Position-Independent Executable" in run("readelf", "--file-header", path), binary + " is no PIE")
        check("GNU_RELRO" in run("readelf", "--program-headers", "--wide", path), binary + " has no RELRO")
        check(re.search(r"FLAGS.*\bNOW\b|BIND_NOW", run("readelf", "--dynamic", path)), binary + " binds lazily")
        symbols = run("readelf", "--dyn-syms", "--wide", path)
        check("__stack_chk_fail" in symbols, binary + " has no stack protector")
        check(re.search(r"__\w+_chk@", symbols), binary + " has no fortified calls")


def lintian(deb):
    result = subprocess.run(["lintian", "--pedantic", "--display-info", "--fail-on", "error,warning", deb],
                            capture_output=True, text=True)
    check(result.returncode == 0, "lintian:\n" + result.stdout + result.stderr)
    tags = [line for line in result.stdout.splitlines() if re.match(r"[A-Z]: ", line)]
    print("lintian:", "\n".join(tags) if tags else "no tags")


def play_installed(root, data):
    """The installed game, as a player starts it from the menu: the cases of the install test."""
    scratch = tempfile.mkdtemp(prefix="whiskerdash-package-")
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(scratch, "config"), HOME=os.path.join(scratch, "home"))
    version = subprocess.run([os.path.join(root, "usr/games/whiskerdash"), "--version"], capture_output=True,
                             text=True, env=env)
    check(version.returncode == 0 and version.stdout.startswith("whiskerdash "), "--version: " + version.stdout)
    run(os.path.join(root, "usr/games/whiskerdash-check"),
        *[os.path.join(root, f"usr/share/games/whiskerdash/level{n:03d}.lvx") for n in range(33)])
    run_all(Installed(os.path.join(root, "usr/games/whiskerdash"),
                      os.path.join(root, f"usr/share/applications/{APP_ID}.desktop"),
                      os.path.join(root, "usr/share/games/whiskerdash"), data), env)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--deb", required=True)
    parser.add_argument("--data", required=True, help="a folder with the sprites, for an unrelated start folder")
    options = parser.parse_args()
    deb = os.path.abspath(options.deb)
    check_control_and_files(deb)
    lintian(deb)

    if os.geteuid() != 0:
        root = tempfile.mkdtemp(prefix="whiskerdash-root-")
        run("dpkg-deb", "-x", deb, root)
        check_binaries(root)
        play_installed(root, options.data)
        print("PASS: package (unpacked; not root, so not installed)")
        return 0

    # One package test at a time on this machine: each installs and removes the same package.
    with open(os.path.join(tempfile.gettempdir(), "whiskerdash-package-test.lock"), "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        run("dpkg", "-i", deb, retry_locked=True)
        try:
            for path in FILES:
                check(os.path.isfile("/" + path), "not installed: /" + path)
            check_binaries("/")
            play_installed("/", options.data)
        finally:
            run("dpkg", "--purge", "whiskerdash", retry_locked=True)
        for path in FILES:
            check(not os.path.exists("/" + path), "left after removal: /" + path)
    print("PASS: package")
    return 0


if __name__ == "__main__":
    exit_with(main)
