"""What assistive technology reads of the real program, through AT-SPI on a
session bus of the test's own: the application's name and the card's text as
it appears and changes."""

import os
import re
import subprocess

from harness import Failure, Game, PlayFolder, check, run_cases, wait_until

# The cat is walled in where no crate can reach it: no way left, told once the
# cheese is eaten.
WALLED = ["HHHHHHHH", "HMK.HHCH", "HHHHHHHH"]


class SessionBus:
    """A session bus of the test's own; the accessibility bus starts on it when asked."""

    def __init__(self):
        self.process = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                        stdout=subprocess.PIPE, stdin=subprocess.DEVNULL)
        self.address = self.process.stdout.readline().decode().strip()
        check(self.address, "no session bus")

    def stop(self):
        self.process.terminate()
        self.process.wait(timeout=10)


def call(address, dest, path, method, *args):
    done = subprocess.run(["gdbus", "call", "--address", address, "--dest", dest, "--object-path", path,
                           "--method", method, *args], capture_output=True, text=True, timeout=20)
    return done.stdout.strip() if done.returncode == 0 else None


def accessibility_bus(bus):
    reply = call(bus.address, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
    return re.fullmatch(r"\('(.*)',\)", reply).group(1)


def accessible_objects(bus):
    """(role, name) of every accessible object of every application on the bus."""
    address = accessibility_bus(bus)
    found = []

    def walk(name, path):
        role = call(address, name, path, "org.a11y.atspi.Accessible.GetRoleName")
        text = call(address, name, path, "org.freedesktop.DBus.Properties.Get", "org.a11y.atspi.Accessible", "Name")
        if text is None:
            return
        name_text = re.sub(r"(?s)^\(<'(.*)'>,\)$", r"\1", text).replace("\\n", "\n").replace("\\'", "'")
        found.append((re.sub(r"^\('(.*)',\)$", r"\1", role or ""), name_text))
        children = call(address, name, path, "org.a11y.atspi.Accessible.GetChildren") or ""
        for owner, child in re.findall(r"\('([^']*)', objectpath '([^']*)'\)", children):
            walk(owner, child)

    # The applications the registry knows.
    walk("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    return found


def card_text_is_read(exe, data):
    bus = SessionBus()
    folder = PlayFolder(data, {"level000.lvx": WALLED})
    game = None
    try:
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=bus.address, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   LANG="C", LANGUAGE="", LC_ALL="")
        game = Game(exe, folder, ["--mute"], env=env)
        game.wait_for_line("  HMK.HHCH")

        def notification(text):
            objects = accessible_objects(bus)
            return objects if ("notification", text) in objects else None

        objects = wait_until("the ready card's text",
                             lambda: notification("Level 1 \u00b7 level000.lvx\nPress an arrow key to start"))
        check(("application", "Whiskerdash") in objects, f"the application is not named Whiskerdash: {objects[:3]}")
        game.keys("Right")
        wait_until("the dead end's text",
                   lambda: notification("No way left to catch every cat \u2014 F5 restarts the level"))
    except Failure as failure:
        raise Failure(f"{failure}; objects: {accessible_objects(bus)}")
    finally:
        if game:
            game.stop()
        bus.stop()
        folder.remove()


CASES = {f.__name__: f for f in [card_text_is_read]}

if __name__ == "__main__":
    run_cases(CASES)
