"""The real program's sound effects, heard through a sound server of the
test's own: a PulseAudio with a null sink, recorded from the sink's monitor.
Usage (under xvfb-run):
    sound_test.py --exe PATH --data DIR CASE"""

import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time

from harness import WAIT, Failure, Game, PlayFolder, check, run_cases, visible_windows, wait_until, OPEN, TRAP

RATE = 22050  # recording: 16-bit mono
SILENT = 64   # peak sample at or below which a stretch counts as silence
HEARD = 800   # peak sample that counts as a sound (the effects peak near 5000)

# Three cheeses in a row; the cat is walled in on all eight sides, so ticks make no sound.
CHEESES = ["HHHHHHHH",
           "HMKKK..H",
           "HHHHHHHH",
           "HHHCHHHH",
           "HHHHHHHH"]
# Thirty cheeses in a row, the cat walled in as above.
THIRTY = ["H" * 34,
          "HM" + "K" * 30 + ".H",
          "H" * 34,
          "HHHC" + "H" * 30,
          "H" * 34]
# Cheese, then a push that shuts in the only cat: level 1 follows.
NEXT = ["HHHHHH",
        "HM..CH",
        "HHHHHH"]
# A cat with nowhere to go but towards the mouse: they meet, and nothing else happens.
MEET = ["HHHHHH",
        "HM.CBH",
        "HHHHHH"]
CATCH_TICK = 12  # when the cat reaches it by the rules with unseeded rand() (test_cats works it out too)
CAPTURE_MOMENT = 0.7 / 0.4  # ticks the meeting is shown before the game over
TICK = 0.4
# Ten entries no score here can beat: the game over goes straight to the table.
HIGH = b"Hall of fame\n\n" + b"".join(f"old{'.' * (16 - len(str(s)))}{s}\n".encode() for s in range(1000, 0, -100))


class SoundServer:
    """A PulseAudio of this test's own, in its own runtime folder, with a null sink."""

    def __init__(self, with_sink=True):
        self.with_sink = with_sink
        self.dir = tempfile.mkdtemp(prefix="whiskerdash-pulse-")
        os.chmod(self.dir, 0o700)
        self.socket = os.path.join(self.dir, "native")
        client_conf = os.path.join(self.dir, "client.conf")
        with open(client_conf, "w") as out:
            out.write("autospawn = no\n")  # a client must never start a server of its own
        self.env = dict(os.environ, XDG_RUNTIME_DIR=self.dir, HOME=self.dir, PULSE_SERVER="unix:" + self.socket,
                        PULSE_CLIENTCONFIG=client_conf)
        self.env.pop("PULSE_COOKIE", None)
        self.process = None

    def start(self):
        sink = ["-L", "module-null-sink sink_name=whiskerdash_test rate=22050 channels=1"] if self.with_sink else []
        self.process = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes",
             *sink, "-L", f"module-native-protocol-unix auth-anonymous=1 socket={self.socket}"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=open(os.path.join(self.dir, "server.log"), "w"))

        def ready():
            if self.process.poll() is not None:
                raise Failure("pulseaudio stopped: " + open(os.path.join(self.dir, "server.log")).read())
            return subprocess.run(["pactl", "info"], env=self.env, capture_output=True).returncode == 0
        wait_until("the sound server", ready)

    def restart(self):
        """Killed, then started again on the same socket, as a desktop's server that crashed."""
        self.process.kill()
        self.process.wait()
        self.start()

    def clients(self):
        out = subprocess.run(["pactl", "list", "short", "clients"], env=self.env, capture_output=True, text=True)
        return out.stdout

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=WAIT)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.dir, ignore_errors=True)


class Recording:
    """Everything the null sink plays, from start() on, as 16-bit mono samples."""

    def __init__(self, server, latency_ms=20):
        self.path = os.path.join(server.dir, "recording.raw")
        self.out = open(self.path, "wb")
        self.process = subprocess.Popen(
            ["parec", "-d", "whiskerdash_test.monitor", f"--latency-msec={latency_ms}", "--format=s16le", f"--rate={RATE}",
             "--channels=1", "--raw"], env=server.env, stdout=self.out, stderr=subprocess.PIPE)
        wait_until("the recording to start", lambda: self.seconds() > 0.05)

    def seconds(self):
        if self.process.poll() is not None:
            raise Failure("parec stopped: " + self.process.stderr.read().decode())
        return os.path.getsize(self.path) / 2 / RATE

    def wait_for(self, seconds):
        """Records on until the sink has played `seconds` more; the window is the point here."""
        end = self.seconds() + seconds
        wait_until(f"{seconds} s of recording", lambda: self.seconds() >= end, timeout=WAIT + seconds)
        return end

    def peak(self, start, end):
        with open(self.path, "rb") as data:
            data.seek(int(start * RATE) * 2)
            raw = data.read(int((end - start) * RATE) * 2)
        samples = struct.unpack(f"<{len(raw) // 2}h", raw[:len(raw) // 2 * 2])
        return max((abs(s) for s in samples), default=0)

    def heard_span(self, start, end):
        """Seconds from the first sound to the last between start and end."""
        with open(self.path, "rb") as data:
            data.seek(int(start * RATE) * 2)
            raw = data.read(int((end - start) * RATE) * 2)
        samples = struct.unpack(f"<{len(raw) // 2}h", raw[:len(raw) // 2 * 2])
        loud = [i for i, s in enumerate(samples) if abs(s) > SILENT]
        return (loud[-1] - loud[0]) / RATE if loud else 0.0

    def onsets(self, start, end, gap=0.03):
        """When sounds begin between start and end: a loud one after `gap` of silence."""
        with open(self.path, "rb") as data:
            data.seek(int(start * RATE) * 2)
            raw = data.read(int((end - start) * RATE) * 2)
        samples = struct.unpack(f"<{len(raw) // 2}h", raw[:len(raw) // 2 * 2])
        block = RATE // 100
        peaks = [max(abs(s) for s in samples[i:i + block]) for i in range(0, len(samples), block)]
        quiet_blocks = round(gap * 100)
        found, quiet = [], quiet_blocks
        for i, peak in enumerate(peaks):
            # A sound may start quietly at the end of a block: loud within the next few.
            if peak > SILENT and quiet >= quiet_blocks and max(peaks[i:i + 4]) >= HEARD:
                found.append(round(start + i / 100, 2))
            quiet = quiet + 1 if peak <= SILENT else 0
        return found

    def stop(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGINT)
            try:
                self.process.wait(timeout=WAIT)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.out.close()


def settings_text(config):
    path = os.path.join(config, "whiskerdash", "whiskerdash.conf")
    return open(path).read() if os.path.exists(path) else ""


class Session:
    """One case's world: a sound server of its own (started or not), the game's own
    settings and play folders; whatever is started in it is stopped on the way out."""

    def __init__(self, data, levels, table=None, server_started=True, with_sink=True, without=()):
        self.server = SoundServer(with_sink=with_sink)
        if server_started:
            self.server.start()
        self.config = tempfile.mkdtemp(prefix="whiskerdash-config-")
        self.env = dict(self.server.env, XDG_CONFIG_HOME=self.config)
        self.folder = PlayFolder(data, levels, table)
        for name in os.listdir(data):
            if name.endswith(".wav") and name not in without:
                shutil.copy(os.path.join(data, name), self.folder.path)
        self.stops = []

    def game(self, exe, joins_server=False, args=()):
        game = Game(exe, self.folder, list(args), env=self.env, config_home=self.config)
        self.stops.append(game.stop)
        if joins_server:
            # The effects are loaded once the first frame is up: the game joins the server.
            wait_until("the game to join the sound server", lambda: "whiskerdash" in self.server.clients())
        return game

    def recording(self, latency_ms=20):
        recording = Recording(self.server, latency_ms)
        self.stops.append(recording.stop)
        return recording

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        for stop in reversed(self.stops):
            stop()
        self.server.stop()
        self.folder.remove()
        shutil.rmtree(self.config, ignore_errors=True)


def cheese_is_heard_and_m_mutes(exe, data):
    with Session(data, {"level000.lvx": CHEESES}) as session:
        game = session.game(exe, joins_server=True)
        recording = session.recording()

        before = recording.seconds()
        pressed = recording.wait_for(0.8)  # cats tick meanwhile, silently
        game.keys("Right")
        after = recording.wait_for(0.8)
        check(recording.peak(before, pressed) <= SILENT, f"noise before the key: {recording.peak(before, pressed)}")
        check(recording.peak(pressed, after) >= HEARD, f"the cheese was not heard: {recording.peak(pressed, after)}")

        game.keys("m")
        wait_until("sound off in the settings", lambda: "on=false" in settings_text(session.config))
        quiet_from = recording.seconds()
        game.keys("Right")
        quiet_to = recording.wait_for(0.8)
        check(recording.peak(quiet_from, quiet_to) <= SILENT,
              f"a sound while muted: {recording.peak(quiet_from, quiet_to)}")

        game.keys("m")
        wait_until("sound on in the settings", lambda: "on=true" in settings_text(session.config))
        again = recording.seconds()
        game.keys("Right")  # the third cheese: the muted key before it was handled too
        again_to = recording.wait_for(0.8)
        check(recording.peak(again, again_to) >= HEARD, "no sound after turning it on again")
        check(game.stderr_text() == "", "stderr: " + game.stderr_text())


def a_repeated_effect_starts_over(exe, data):
    """Five cheeses 30 ms apart: one cheese sound started over, not five in a queue."""
    with Session(data, {"level000.lvx": THIRTY}) as session:
        game = session.game(exe, joins_server=True)
        recording = session.recording()
        start = recording.seconds()
        game.keys(*["Right"] * 5)
        end = recording.wait_for(1.0)
        span = recording.heard_span(start, end)
        check(recording.peak(start, end) >= HEARD, "nothing heard")
        # One sound lasts 0.125 s, so five started over take about 0.25 s; five in a row would take
        # 0.625 s. The bound sits between, with room for a sanitizer build on a busy machine.
        check(span < 0.45, f"sound for {span:.3f} s")


def m_ends_a_sound_still_playing(exe, data):
    """The level's sound lasts 0.29 s; M pressed 30 ms after the push that starts it ends it early."""
    with Session(data, {"level000.lvx": TRAP, "level001.lvx": NEXT}) as session:
        game = session.game(exe, joins_server=True)
        game.keys("Right", "Right")  # the cheese, a step
        recording = session.recording()
        start = recording.wait_for(0.4)  # the cheese has died away
        game.keys("Right", "m")  # the push that clears the level, then off
        end = recording.wait_for(0.8)
        span = recording.heard_span(start, end)
        check(recording.peak(start, end) >= HEARD, "the level's sound was not heard at all")
        check(span < 0.2, f"sound for {span:.3f} s after M")


def caught_is_heard_with_the_box_and_quit_is_clean(exe, data):
    with Session(data, {"level000.lvx": MEET}, table=HIGH) as session:
        game = session.game(exe, joins_server=True)
        recording = session.recording()
        start = recording.seconds()
        game.keys("Right", "Right")  # into the cat, unless it came first
        box = game.wait_for_table_box()
        end = recording.wait_for(0.6)
        check(recording.peak(start, end) >= HEARD, "the catch was not heard while the box is open")
        game.keys("Escape", window=box)
        code = game.wait_exit()
        check(code == 0 and game.stderr_text() == "", f"exit status {code}; stderr: " + game.stderr_text())
        check(session.folder.read("hsc.dat") == HIGH, "the table changed")


def sound_off_is_remembered(exe, data):
    with Session(data, {"level000.lvx": CHEESES}) as session:
        game = session.game(exe)
        game.keys("m")
        wait_until("sound off in the settings", lambda: "on=false" in settings_text(session.config))
        game.stop()

        game = session.game(exe)  # a new run, the same settings
        recording = session.recording()
        start = recording.seconds()
        game.keys("Right")
        end = recording.wait_for(1.0)
        check(recording.peak(start, end) <= SILENT, f"a sound in a muted run: {recording.peak(start, end)}")
        check("whiskerdash" not in session.server.clients(), "a muted run joined the sound server")


def mute_option_silences_this_run_only(exe, data):
    with Session(data, {"level000.lvx": CHEESES}) as session:
        game = Game(exe, session.folder, ["--mute"], env=session.env, config_home=session.config)
        session.stops.append(game.stop)
        recording = session.recording()
        start = recording.seconds()
        game.keys("Right")
        end = recording.wait_for(1.0)
        check(recording.peak(start, end) <= SILENT, f"a sound with --mute: {recording.peak(start, end)}")
        check("whiskerdash" not in session.server.clients(), "a muted run joined the sound server")
        check("on=false" not in settings_text(session.config), "--mute changed the kept choice")
        game.stop()

        game = session.game(exe, joins_server=True)  # the next run plays sound again
        start = recording.seconds()
        game.keys("Right")
        end = recording.wait_for(0.8)
        check(recording.peak(start, end) >= HEARD, "no sound in the run after --mute")


def plays_on_without_a_sound_server(exe, data, device_only=False):
    # Without a server its socket leads nowhere; a server without a sink has nothing to play on.
    with Session(data, {"level000.lvx": TRAP, "level001.lvx": NEXT}, server_started=device_only,
                 with_sink=False) as session:
        game = session.game(exe)
        wait_until("the line on stderr", lambda: game.stderr_text())
        game.keys("Right", "Right", "Right")  # cheese, a step, the push that clears the level
        game.wait_for_line("  HM..CH")
        game.keys("m", "m")
        check(game.process.poll() is None, "the game stopped")
        check(game.stderr_text() == "whiskerdash: no sound server or sound device; playing without sound",
              "stderr: " + game.stderr_text())


def plays_on_without_a_sound_device(exe, data):
    plays_on_without_a_sound_server(exe, data, device_only=True)


def plays_on_without_the_sound_module(exe, data):
    """The game alone, without the module beside it that holds the sound libraries."""
    with Session(data, {"level000.lvx": TRAP, "level001.lvx": NEXT}) as session:
        alone = tempfile.mkdtemp(prefix="whiskerdash-alone-")
        session.stops.append(lambda: shutil.rmtree(alone, ignore_errors=True))
        shutil.copy(exe, alone)
        game = session.game(os.path.join(alone, os.path.basename(exe)))
        wait_until("the line on stderr", lambda: game.stderr_text())
        game.keys("Right", "Right", "Right")
        game.wait_for_line("  HM..CH")
        module = os.path.join(alone, "whiskerdash-sound.so")
        check(game.stderr_text() == f"whiskerdash: {module}: sound module not found; playing without sound",
              "stderr: " + game.stderr_text())


def missing_effects_are_named_once(exe, data):
    with Session(data, {"level000.lvx": TRAP, "level001.lvx": NEXT}, without=("cheese.wav", "push.wav")) as session:
        game = session.game(exe, joins_server=True)
        wait_until("the line on stderr", lambda: game.stderr_text())
        game.keys("Right", "Right", "Right")
        game.wait_for_line("  HM..CH")
        check(game.stderr_text() == "whiskerdash: cheese.wav, push.wav: sound effect not found; playing without it",
              "stderr: " + game.stderr_text())


def thirty_cheeses_are_thirty_sounds(exe, data):
    """The same effect thirty times in a row, a quarter of a second apart: none is lost."""
    with Session(data, {"level000.lvx": THIRTY}) as session:
        game = session.game(exe, joins_server=True)
        recording = session.recording()
        start = recording.seconds()
        for _ in range(30):
            game.keys("Right")
            recording.wait_for(0.25)
        end = recording.wait_for(0.3)
        heard = recording.onsets(start, end)
        check(len(heard) == 30, f"{len(heard)} of 30 cheeses heard, at {heard}")
        check(game.stderr_text() == "", "stderr: " + game.stderr_text())


def quit(game):
    """Ctrl+Q, answered Quit when the game asks (it has points); the seconds
    from the last key until the program has gone, and its status."""
    start = time.monotonic()
    game.keys("ctrl+q")
    box = wait_until("the quit question or the end", lambda: game.process.poll() is not None
                     or (visible_windows("^Quit$") or [None])[0])
    if box is not True and game.process.poll() is None:
        start = time.monotonic()
        game.keys("q", window=box)
    code = game.wait_exit()
    return time.monotonic() - start, code


# Seconds from Ctrl+Q to the program's end, the xdotool call included: well
# under the 2 s a wait on the sound server took, with room for a sanitizer
# build on a busy machine (a Release quit takes under 0.1 s).
QUICK = 1.0


def quit_with_a_stopped_server(exe, data, before_start=False):
    with Session(data, {"level000.lvx": CHEESES}, table=HIGH) as session:
        server = session.server.process
        if before_start:
            os.kill(server.pid, signal.SIGSTOP)
        try:
            game = session.game(exe, joins_server=not before_start)
            game.keys("Right")  # a cheese, sent to a server that may not read it
            if not before_start:
                os.kill(server.pid, signal.SIGSTOP)
                game.keys("Right")
            took, code = quit(game)
        finally:
            os.kill(server.pid, signal.SIGCONT)
        check(code == 0, f"exit status {code}; stderr: " + game.stderr_text())
        check(took < QUICK, f"the quit took {took:.2f} s")
        check(session.folder.read("hsc.dat") == HIGH, "the table changed")


def quit_with_a_server_stopped_before_the_game(exe, data):
    quit_with_a_stopped_server(exe, data, before_start=True)


def effects_come_back_with_a_restarted_server(exe, data):
    with Session(data, {"level000.lvx": THIRTY}) as session:
        game = session.game(exe, joins_server=True)
        session.server.restart()
        gone = "whiskerdash: the sound server went away; playing without sound until it is back"
        wait_until("the line on stderr", lambda: game.stderr_text())
        game.keys("Right")  # played on, silently
        # Looked for again every few seconds.
        wait_until("the game to join the new server", lambda: "whiskerdash" in session.server.clients())
        recording = session.recording()
        start = recording.seconds()
        game.keys("Right")
        end = recording.wait_for(0.6)
        check(recording.peak(start, end) >= HEARD, "no sound from the restarted server")
        check(game.stderr_text() == gone, "stderr: " + game.stderr_text())


# A cheese.wav spoilt in each way, and the problem it is refused for.
WAV_SIZE = 44 + 2 * 2756  # the shipped cheese.wav: 0.125 s of 16-bit mono at 22050 Hz
DAMAGED = {
    "a_truncated": (lambda wav: wav[:100], "truncated: the header promises %d bytes, the file has 100" % WAV_SIZE),
    "an_empty": (lambda wav: b"", "empty file"),
    "an_absurdly_sized": (lambda wav: wav[:4] + b"\xff\xff\xff\x7f" + wav[8:40] + b"\xff\xff\xff\x7f" + wav[44:],
                          "truncated: the header promises 2147483655 bytes, the file has %d" % WAV_SIZE),
    "a_huge": (lambda wav: wav + bytes(1024 * 1024), "larger than 1024 KiB"),
}


def a_damaged_effect_is_named_once_and_quit_is_quick(exe, data, damage):
    spoil, problem = DAMAGED[damage]
    with Session(data, {"level000.lvx": TRAP, "level001.lvx": NEXT}) as session:
        wav = session.folder.read("cheese.wav")
        check(len(wav) == WAV_SIZE, f"cheese.wav has {len(wav)} bytes")
        session.folder.write("cheese.wav", spoil(wav))
        game = session.game(exe, joins_server=True)
        wait_until("the line on stderr", lambda: game.stderr_text())
        game.keys("Right", "Right", "Right")  # the cheese, silent, then the push that clears the level
        game.wait_for_line("  HM..CH")
        took, code = quit(game)
        check(code == 0, f"exit status {code}")
        check(took < QUICK, f"the quit took {took:.2f} s")
        check(game.stderr_text() == f"whiskerdash: cheese.wav: {problem}; playing without this sound effect",
              "stderr: " + game.stderr_text())


def still_mouse_is_reached_on_the_predicted_tick(exe, data, server=True):
    """The sound module's libraries draw from rand() too; the cats must not notice, five runs of five.
    The catch comes at least CATCH_TICK ticks after the program starts, and at most
    about that long after its window shows (the ticks start before it)."""
    for run in range(5):
        with Session(data, {"level000.lvx": OPEN}, table=HIGH, server_started=server) as session:
            game = session.game(exe, args=["--no-wait"])  # the cats start with the program
            shown = time.monotonic()
            game.wait_for_line(r"0:old,1000, hsc=1000,scr=0")
            caught = time.monotonic()
            # The ranking comes after the capture's moment on screen.
            after_start = (caught - game.started) / TICK - CAPTURE_MOMENT
            after_window = (caught - shown) / TICK - CAPTURE_MOMENT
            check(after_start > CATCH_TICK - 0.1 and after_window < CATCH_TICK + 0.5,
                  f"run {run + 1}: caught {after_start:.2f} ticks after the start, {after_window:.2f} after the window")
            game.keys("Escape", window=game.wait_for_table_box())
            check(game.wait_exit() == 0, "exit status; stderr: " + game.stderr_text())


def still_mouse_is_reached_on_the_predicted_tick_without_a_server(exe, data):
    still_mouse_is_reached_on_the_predicted_tick(exe, data, server=False)


CASES = {f.__name__: f for f in [cheese_is_heard_and_m_mutes, a_repeated_effect_starts_over,
                                  caught_is_heard_with_the_box_and_quit_is_clean, sound_off_is_remembered,
                                  mute_option_silences_this_run_only,
                                  plays_on_without_a_sound_server, plays_on_without_a_sound_device,
                                  plays_on_without_the_sound_module, missing_effects_are_named_once,
                                  thirty_cheeses_are_thirty_sounds, quit_with_a_stopped_server,
                                  quit_with_a_server_stopped_before_the_game,
                                  effects_come_back_with_a_restarted_server, m_ends_a_sound_still_playing,
                                  still_mouse_is_reached_on_the_predicted_tick,
                                  still_mouse_is_reached_on_the_predicted_tick_without_a_server]}
CASES.update({f"{damage}_effect_is_named_once_and_quit_is_quick":
              lambda exe, data, damage=damage: a_damaged_effect_is_named_once_and_quit_is_quick(exe, data, damage)
              for damage in DAMAGED})

if __name__ == "__main__":
    run_cases(CASES)
