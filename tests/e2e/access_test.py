"""What assistive technology reads of the real program, through AT-SPI on a
session bus of the test's own: the application's name, the card's text as it
appears and changes, and the event that tells a screen reader of a new card."""

import os
import re
import socket
import struct
import subprocess

import tempfile

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


class EventListener:
    """Asks the registry for every object: event, on a connection held open (the
    toolkit sends events only while someone listens), and records them all with
    dbus-monitor."""

    def __init__(self, address):
        self.log = tempfile.NamedTemporaryFile(prefix="whiskerdash-atspi-", suffix=".log")
        self.monitor = subprocess.Popen(["dbus-monitor", "--address", address,
                                         "type='signal',interface='org.a11y.atspi.Event.Object'"],
                                        stdout=self.log, stderr=subprocess.DEVNULL, stdin=subprocess.DEVNULL)
        options = dict(part.split("=", 1) for part in address.split(":", 1)[1].split(","))
        self.connection = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        self.connection.connect(options["path"] if "path" in options else "\0" + options["abstract"])
        self.connection.sendall(b"\0AUTH EXTERNAL " + str(os.getuid()).encode().hex().encode() + b"\r\n")
        check(self.connection.recv(4096).startswith(b"OK"), "the accessibility bus refused the listener")
        self.connection.sendall(b"BEGIN\r\n")
        self._call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "Hello", "", b"", 1)
        body = self._string(b"", "object:") + struct.pack("<I", 0) + self._string(b"", "")
        self._call("org.a11y.atspi.Registry", "/org/a11y/atspi/registry", "org.a11y.atspi.Registry",
                   "RegisterEvent", "sass", body, 2)
        wait_until("the listener registered", lambda: "Object:" in (call(
            address, "org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
            "org.a11y.atspi.Registry.GetRegisteredEvents") or ""))

    @staticmethod
    def _pad(data, size):
        return data + b"\0" * (-len(data) % size)

    def _string(self, data, text):
        return self._pad(data, 4) + struct.pack("<I", len(text.encode())) + text.encode() + b"\0"

    def _call(self, destination, path, interface, member, signature, body, serial):
        """A D-Bus method call, marshalled by hand: no D-Bus library is needed."""
        fields = b""
        for code, kind, value in [(1, "o", path), (2, "s", interface), (3, "s", member), (6, "s", destination)]:
            fields = self._string(self._pad(fields, 8) + bytes([code, 1]) + kind.encode() + b"\0", value)
        if signature:
            fields = self._pad(fields, 8) + bytes([8, 1]) + b"g\0" + bytes([len(signature)]) + signature.encode() + b"\0"
        header = b"l\1\0\1" + struct.pack("<III", len(body), serial, len(fields))
        self.connection.sendall(self._pad(header + fields, 8) + body)

    def shown(self, path):
        """How often the object at `path` was told shown (object:state-changed:showing, 1)."""
        with open(self.log.name) as log:
            text = log.read()
        return len(re.findall(re.escape(f"path={path};") + r"[^\n]*member=StateChanged\n\s*string \"showing\"\n"
                              r"\s*int32 1\n", text))

    def stop(self):
        self.connection.close()
        self.monitor.terminate()
        self.monitor.wait(timeout=10)
        self.log.close()


def call(address, dest, path, method, *args):
    done = subprocess.run(["gdbus", "call", "--address", address, "--dest", dest, "--object-path", path,
                           "--method", method, *args], capture_output=True, text=True, timeout=20)
    return done.stdout.strip() if done.returncode == 0 else None


def accessibility_bus(bus):
    reply = call(bus.address, "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
    return re.fullmatch(r"\('(.*)',\)", reply).group(1)


def accessible_objects(bus):
    """(role, name, path) of every accessible object of every application on the bus."""
    address = accessibility_bus(bus)
    found = []
    seen = set()

    def walk(name, path):
        if (name, path) in seen:
            return
        seen.add((name, path))
        role = call(address, name, path, "org.a11y.atspi.Accessible.GetRoleName")
        text = call(address, name, path, "org.freedesktop.DBus.Properties.Get", "org.a11y.atspi.Accessible", "Name")
        if text is None:
            return
        name_text = re.sub(r"(?s)^\(<'(.*)'>,\)$", r"\1", text).replace("\\n", "\n").replace("\\'", "'")
        found.append((re.sub(r"^\('(.*)',\)$", r"\1", role or ""), name_text, path))
        children = call(address, name, path, "org.a11y.atspi.Accessible.GetChildren") or ""
        for owner, child in re.findall(r"\('([^']*)', objectpath '([^']*)'\)", children):
            walk(owner, child)

    # The applications the registry knows; other connections (the listener's) answer no calls.
    walk("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    return found


def card_text_is_read(exe, data):
    bus = SessionBus()
    folder = PlayFolder(data, {"level000.lvx": WALLED})
    game = listener = None
    try:
        listener = EventListener(accessibility_bus(bus))
        env = dict(os.environ, DBUS_SESSION_BUS_ADDRESS=bus.address, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   LANG="C", LANGUAGE="", LC_ALL="")
        game = Game(exe, folder, ["--mute"], env=env)
        game.wait_for_line("  HMK.HHCH")

        def notification(text):
            objects = accessible_objects(bus)
            found = [path for role, name, path in objects if role == "notification" and name == text]
            return (objects, found[0]) if found else None

        objects, card = wait_until("the ready card's text",
                                   lambda: notification("Level 1 \u00b7 level000.lvx\nPress an arrow key to start"))
        check(("application", "Whiskerdash") in [(role, name) for role, name, _ in objects],
              f"the application is not named Whiskerdash: {objects[:3]}")
        before = listener.shown(card)
        game.keys("Right")
        _, dead_end = wait_until("the dead end's text",
                                 lambda: notification("No way left to catch every cat \u2014 F5 restarts the level"))
        # The new card is told shown, so a screen reader reads it out.
        wait_until("the dead end told shown", lambda: listener.shown(dead_end) > (before if dead_end == card else 0))
    except Failure as failure:
        raise Failure(f"{failure}; objects: {accessible_objects(bus)}")
    finally:
        if game:
            game.stop()
        if listener:
            listener.stop()
        bus.stop()
        folder.remove()


CASES = {f.__name__: f for f in [card_text_is_read]}

if __name__ == "__main__":
    run_cases(CASES)
