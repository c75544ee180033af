#!/usr/bin/env python3
"""Measures the game against the floor (a bare Qt window of the same size) in
interleaved runs on one Xvfb started here, and prints each figure as
game / floor with its spread, and PASS or MISS for each target. "play folder"
is the built game started in a folder that holds the levels; "installed" is
the installed game started as the desktop entry starts it, in an unrelated
folder with a fresh home. A sound server of its own plays every game's sound.

    compare.py BUILD_DIR INSTALL_PREFIX DATA_DIR [--runs N] [--load-runs N]

Every process started here is stopped by its own pid; every run gets its own
play folder, settings folder and runtime folder."""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

DISPLAY_REFUSED = ("could not connect to display", "Can't open display", "cannot open display")
CELL_BYTES = 16 * 16 * 4
IDLE_SECONDS = 4.0
PLAY_KEYS = ["Left", "Up", "Right", "Down"] * 12  # 48 keys, one every 100 ms
KEY_DELAY_MS = 100
WATCH_MS = 2400  # six of the 400 ms ticks of both programs
TICK_MS = 400


def largest_level(path):
    """81 rows of 80 cells, 100 cats; the mouse walks round a 2 x 2 pen the cats
    cannot enter, so a run is never cut short by a catch."""
    rows = ["H" * 80] + ["H" + "".join("C" if x % 8 == 4 and y % 8 == 4 else
                                         "B" if (x + y) % 11 == 0 else "K" if (x * y) % 17 == 0 else "."
                                         for x in range(1, 79)) + "H" for y in range(1, 80)] + ["H" * 80]
    rows = [list(row) for row in rows]
    for y in range(38, 42):
        for x in range(38, 42):
            rows[y][x] = "H" if y in (38, 41) or x in (38, 41) else "."
    rows[40][40] = "M"
    rows[39][39] = "K"
    with open(path, "w") as out:
        out.write("".join("".join(row) + "\n" for row in rows))


class Xvfb:
    """One X server for the whole measurement; its display number comes from -displayfd."""

    def __init__(self):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-nolisten", "tcp", "-noreset", "-screen", "0", "1600x1400x24"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.stop()
            sys.exit("bench: Xvfb did not start")
        self.display = ":" + number

    def cpu_ms(self):
        return cpu_ms(self.process.pid)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def cpu_ms(pid):
    """CPU time of a process, all its threads, in milliseconds: the scheduler's
    nanosecond count where the kernel keeps one, else utime + stime (10 ms steps)."""
    if os.path.exists(f"/proc/{pid}/schedstat"):
        total = 0
        for task in os.listdir(f"/proc/{pid}/task"):
            try:
                with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                    total += int(schedstat.read().split()[0])
            except FileNotFoundError:
                pass  # a thread that has just ended
        return total / 1e6
    else:
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) * 1000.0 / os.sysconf("SC_CLK_TCK")


def memory_mb(pid):
    """Peak resident memory (VmHWM) and the private pages (Private_Clean and
    Private_Dirty of smaps_rollup), in MB."""
    with open(f"/proc/{pid}/status") as status:
        peak = next(int(line.split()[1]) for line in status if line.startswith("VmHWM:"))
    private = {}
    with open(f"/proc/{pid}/smaps_rollup") as rollup:
        for line in rollup:
            if line.startswith(("Private_Clean:", "Private_Dirty:")):
                private[line.split(":")[0]] = int(line.split()[1]) / 1024.0
    return peak / 1024.0, private["Private_Clean"], private["Private_Dirty"]


class Run:
    """One program under the probe, in a folder of its own."""

    def __init__(self, bench, kind, level, watch_ms, playing=False):
        self.bench = bench
        bench.running.append(self)
        self.home = tempfile.mkdtemp(prefix=f"whiskerdash-bench-{kind}-", dir=bench.scratch)
        play = os.path.join(self.home, "play")
        os.mkdir(play)
        for name in os.listdir(bench.data):
            if name.endswith((".lvx", ".xpm")) or name == "hsc.dat":
                shutil.copy(os.path.join(bench.data, name), play)
        shutil.copy(bench.largest, play)
        runtime = os.path.join(self.home, "runtime")
        os.mkdir(runtime, 0o700)
        if kind != "floor":
            # The board alone, as large as the floor's window and on the probe's
            # grid: the menu bar hidden, as the player can have it.
            os.makedirs(os.path.join(self.home, "config", "whiskerdash"))
            with open(os.path.join(self.home, "config", "whiskerdash", "whiskerdash.conf"), "w") as out:
                out.write("[view]\nmenu_bar=false\n")
        env = dict(os.environ, DISPLAY=bench.xvfb.display, XDG_CONFIG_HOME=os.path.join(self.home, "config"),
                   XDG_DATA_HOME=os.path.join(self.home, "data"), XDG_RUNTIME_DIR=runtime, **bench.sound_env)
        level_path = os.path.join(play, level)
        # Start-up is measured as a player meets it, on the level's card; ticks
        # and play need the cats going without a key.
        waiting = ["--no-wait"] if playing and kind != "floor" else []
        if kind == "game":
            command = [bench.game] + waiting + ([] if level == "level000.lvx" else [level])
        elif kind == "installed":
            command = [bench.installed, "--from-desktop", "--"] + ([] if level == "level000.lvx" else [level_path])
            play = self.home  # not a play folder: the player's data folder and the installed data
        else:
            command = [bench.floor, level]
        probe = [bench.probe, "--watch", str(watch_ms), "--grid", "20,16", "--"] + command
        for attempt in range(10):
            self.process = subprocess.Popen(probe, cwd=play, env=env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                            stderr=subprocess.PIPE, text=True)
            self.watched = None
            for line in self.process.stdout:
                words = line.split()
                values = dict(word.split("=", 1) for word in words[1:])
                if words[0] == "frame":
                    self.frame_ms = float(values["ms"])
                    self.frame_cpu_ms = float(values["cpu_ms"])
                    self.pid = int(values["pid"])
                    self.size = (int(values["width"]), int(values["height"]))
                    self.window = values["window"]
                elif words[0] == "watched":
                    # Bytes drawn and bytes of changed cells, per tick of the watched stretch
                    # (a late timer can fit one repaint more into it).
                    ticks = max(int(values["bursts"]), WATCH_MS // TICK_MS)
                    self.watched = (int(values["damage_bytes"]) / ticks, int(values["changed_bytes"]) / ticks)
                elif words[0] == "ready":
                    return
            errors = self.process.stderr.read()
            self.process.wait()
            self.process.stdin.close()
            self.process.stdout.close()
            self.process.stderr.close()
            if not any(text in errors for text in DISPLAY_REFUSED):
                bench.running.remove(self)
                sys.exit(f"bench: {' '.join(command)} under the probe failed:\n{errors}")
            time.sleep(0.05 * (attempt + 1))
        bench.running.remove(self)
        sys.exit(f"bench: the display refused {' '.join(command)} 10 times")

    def count(self):
        """Bytes drawn into the window since the last count (or since the probe was ready)."""
        self.process.stdin.write("\n")
        self.process.stdin.flush()
        words = self.process.stdout.readline().split()
        if not words or words[0] != "count":
            sys.exit(f"bench: the probe answered {words} to a count")
        return int(dict(word.split("=", 1) for word in words[1:])["damage_bytes"])

    def stop(self):
        """The probe stops the program it started when its input closes."""
        self.bench.running.remove(self)
        self.process.stdin.close()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.send_signal(signal.SIGTERM)
            self.process.wait()
        self.process.stdout.close()
        self.process.stderr.close()
        shutil.rmtree(self.home, ignore_errors=True)


class SoundServer:
    """A PulseAudio with a null sink, so the game's memory and start-up include its sound."""

    def __init__(self, scratch):
        self.dir = tempfile.mkdtemp(prefix="pulse-", dir=scratch)
        os.chmod(self.dir, 0o700)
        socket = os.path.join(self.dir, "native")
        conf = os.path.join(self.dir, "client.conf")
        with open(conf, "w") as out:
            out.write("autospawn = no\n")
        self.env = {"PULSE_SERVER": "unix:" + socket, "PULSE_CLIENTCONFIG": conf}
        self.process = subprocess.Popen(
            ["pulseaudio", "--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no", "--disable-shm=yes",
             "-L", "module-null-sink sink_name=bench", "-L", f"module-native-protocol-unix auth-anonymous=1 socket={socket}"],
            env=dict(os.environ, HOME=self.dir, XDG_RUNTIME_DIR=self.dir), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while subprocess.run(["pactl", "info"], env=dict(os.environ, **self.env), capture_output=True).returncode:
            if self.process.poll() is not None or time.monotonic() > deadline:
                sys.exit("bench: pulseaudio did not start")
            time.sleep(0.05)

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait()


def xdotool(display, *args):
    for attempt in range(10):
        result = subprocess.run(["xdotool", *args], capture_output=True, text=True,
                                env=dict(os.environ, DISPLAY=display), timeout=60)
        if not any(text in result.stderr for text in DISPLAY_REFUSED):
            if result.returncode != 0:
                sys.exit(f"bench: xdotool {' '.join(args)} failed: {result.stderr}")
            return
        time.sleep(0.05 * (attempt + 1))
    sys.exit(f"bench: the display refused xdotool {' '.join(args)} 10 times")


class Bench:
    def __init__(self, args):
        self.game = os.path.join(args.build, "whiskerdash")
        self.floor = os.path.join(args.build, "bench", "floor")
        self.probe = os.path.join(args.build, "bench", "xprobe")
        self.installed = os.path.join(args.prefix, "bin", "whiskerdash")
        self.data = args.data
        self.scratch = tempfile.mkdtemp(prefix="whiskerdash-bench-")
        self.running = []
        self.sizes = {}
        self.largest = os.path.join(self.scratch, "largest.lvx")
        largest_level(self.largest)
        self.xvfb = Xvfb()
        self.sound = SoundServer(self.scratch)
        self.sound_env = self.sound.env

    def close(self):
        self.sound.stop()
        for run in list(self.running):
            run.stop()
        self.xvfb.stop()
        shutil.rmtree(self.scratch, ignore_errors=True)

    def startup(self, kind, level):
        run = Run(self, kind, level, 0)
        run.stop()
        sizes = self.sizes.setdefault(level, set())
        sizes.add(run.size)
        if len(sizes) > 1:
            sys.exit(f"bench: the windows for {level} differ in size: {sorted(sizes)}; the floor must match the game")
        return run.frame_ms, run.frame_cpu_ms

    def idle_ticks(self, kind, level):
        run = Run(self, kind, level, WATCH_MS, playing=True)
        run.stop()
        return {"tick": run.watched}

    def load(self, kind, level):
        """Idle ticks' bytes, then CPU idle and playing, then memory."""
        run = Run(self, kind, level, WATCH_MS, playing=True)
        figures = {"tick": run.watched}
        before, start = cpu_ms(run.pid), time.monotonic()
        time.sleep(IDLE_SECONDS)  # the stretch being measured, not a wait for something
        figures["idle_cpu"] = (cpu_ms(run.pid) - before) / (time.monotonic() - start)
        xdotool(self.xvfb.display, "windowfocus", "--sync", run.window)
        # Qt sets up its key handling (compose tables and the like) on the first keys: a start-up
        # cost, kept out of the stretch by one round of the pattern first.
        xdotool(self.xvfb.display, "key", "--delay", str(KEY_DELAY_MS), *PLAY_KEYS[:4])
        run.count()
        before, server_before, start = cpu_ms(run.pid), self.xvfb.cpu_ms(), time.monotonic()
        xdotool(self.xvfb.display, "key", "--delay", str(KEY_DELAY_MS), *PLAY_KEYS)
        seconds = time.monotonic() - start
        figures["play_bytes"] = run.count() / seconds
        figures["play_cpu"] = (cpu_ms(run.pid) - before) / seconds
        figures["play_server_cpu"] = (self.xvfb.cpu_ms() - server_before) / seconds
        figures["peak_mb"], figures["clean_mb"], figures["dirty_mb"] = memory_mb(run.pid)
        run.stop()
        return figures


def spread(values, unit, digits=1):
    return (f"{statistics.median(values):.{digits}f} {unit} "
            f"[{min(values):.{digits}f}-{max(values):.{digits}f}]")


def ratio_line(what, game, floor, unit, digits=1):
    """game / floor: the ratio of medians, with the range of the runs' paired ratios."""
    pairs = [g / f for g, f in zip(game, floor) if f]
    ratio = statistics.median(game) / statistics.median(floor)
    print(f"  {what:44s} game {spread(game, unit, digits):28s} floor {spread(floor, unit, digits):28s}"
          f" = {ratio:.2f}x [{min(pairs):.2f}-{max(pairs):.2f}]")
    return ratio


def verdict(results, name, ok, figure):
    results.append(ok)
    print(f"  {'PASS' if ok else 'MISS'}  {name}: {figure}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("prefix")
    parser.add_argument("data")
    parser.add_argument("--runs", type=int, default=11, help="start-up runs of each program and board")
    parser.add_argument("--load-runs", type=int, default=3, help="CPU, memory and bytes runs of each program")
    args = parser.parse_args()
    args.build, args.prefix, args.data = map(os.path.abspath, (args.build, args.prefix, args.data))
    bench = Bench(args)
    try:
        measure(bench, args)
    finally:
        bench.close()


def measure(bench, args):
    boards = [("level 0", "level000.lvx"), ("largest board", os.path.basename(bench.largest))]
    print(f"== start-up to the first full frame, from the fork, seen by the X server (DAMAGE); {args.runs} runs,"
          " interleaved; median [min-max]")
    frames = {(kind, level): [] for kind in ("game", "installed", "floor") for _, level in boards}
    for run in range(args.runs):
        order = ["game", "floor", "installed"] if run % 2 == 0 else ["floor", "installed", "game"]
        for _, level in boards:
            for kind in order:
                frames[kind, level].append(bench.startup(kind, level))
    cpu = {key: [c for _, c in values] for key, values in frames.items()}
    frames = {key: [ms for ms, _ in values] for key, values in frames.items()}
    startup = {}
    for name, level in boards:
        startup["game", level] = ratio_line(f"{name}, in a play folder", frames["game", level],
                                            frames["floor", level], "ms")
        startup["installed", level] = ratio_line(f"{name}, installed, from the menu",
                                                 frames["installed", level], frames["floor", level], "ms")
    print("  CPU used until the first full frame (all threads); less swayed by other load on the machine")
    for name, level in boards:
        ratio_line(f"{name}, in a play folder", cpu["game", level], cpu["floor", level], "ms")
        ratio_line(f"{name}, installed, from the menu", cpu["installed", level], cpu["floor", level], "ms")

    largest = boards[1][1]
    print(f"== the largest board: {WATCH_MS / 1000:.1f} s left alone, {IDLE_SECONDS:.0f} s idle, then"
          f" {len(PLAY_KEYS)} keys at {KEY_DELAY_MS} ms ({' '.join(PLAY_KEYS[:4])} ...); level 0: {WATCH_MS / 1000:.1f} s"
          f" left alone; {args.load_runs} runs each, interleaved")
    loads = {(kind, level): [] for kind in ("game", "floor") for _, level in boards}
    for run in range(args.load_runs):
        for kind in (("game", "floor") if run % 2 == 0 else ("floor", "game")):
            loads[kind, largest].append(bench.load(kind, largest))
            loads[kind, "level000.lvx"].append(bench.idle_ticks(kind, "level000.lvx"))
    print("  bytes per idle tick: what was drawn into the window (DAMAGE area x 4 bytes a pixel) over the stretch,"
          f" divided by its {TICK_MS} ms ticks")
    for name, level in boards:
        game_ticks = [figures["tick"] for figures in loads["game", level]]
        floor_ticks = [figures["tick"] for figures in loads["floor", level]]
        ratio_line(f"{name}, bytes sent per idle tick", [d / 1024 for d, _ in game_ticks],
                   [d / 1024 for d, _ in floor_ticks], "KiB")
        floor_overdraw = [d / c if c else float(d > 0) for d, c in floor_ticks]
        ratio_line(f"{name}, the same / bytes of the cells that changed",
                   [d / c if c else float(d > 0) for d, c in game_ticks], floor_overdraw, "x", 2)
        if any(abs(ratio - 1) > 0.01 for ratio in floor_overdraw):
            # The floor repaints all of its window with new pixels each tick: anything else is the probe's fault.
            print(f"  PROBE CHECK FAILED: the floor drew {floor_overdraw} x the bytes it changed, not 1")

    game, floor = loads["game", largest], loads["floor", largest]
    ratio_line("CPU idle, largest board", [f["idle_cpu"] for f in game], [f["idle_cpu"] for f in floor], "ms/s")
    play_cpu = ratio_line("CPU playing, largest board", [f["play_cpu"] for f in game],
                          [f["play_cpu"] for f in floor], "ms/s")
    keys_only = statistics.median(f["play_cpu"] - f["idle_cpu"] for f in floor)
    print(f"  (the floor drops the keys: {keys_only:.1f} ms/s of its playing is Qt taking them in)")
    ratio_line("bytes drawn into the window while playing", [f["play_bytes"] / 2**20 for f in game],
               [f["play_bytes"] / 2**20 for f in floor], "MiB/s")
    ratio_line("X server CPU while it plays, largest board", [f["play_server_cpu"] for f in game],
               [f["play_server_cpu"] for f in floor], "ms/s")
    # Peak memory counts the shared libraries' pages too (the sound stack's above all): shown, not judged.
    ratio_line("peak memory (VmHWM), largest board", [f["peak_mb"] for f in game], [f["peak_mb"] for f in floor],
               "MB")
    ratio_line("private memory, largest board (Private_Dirty)", [f["dirty_mb"] for f in game],
               [f["dirty_mb"] for f in floor], "MB", 2)
    # Clean private pages are mostly library pages no other process maps at that moment, so
    # they swing by 10 MB and more with whatever else runs on the machine: shown, not judged.
    ratio_line("  the same with Private_Clean added", [f["dirty_mb"] + f["clean_mb"] for f in game],
               [f["dirty_mb"] + f["clean_mb"] for f in floor], "MB", 2)

    print("== targets")
    results = []
    verdict(results, "CPU playing the largest board <= 0.6x the floor", play_cpu <= 0.6, f"{play_cpu:.2f}x")
    for name, level in boards:
        ticks = [figures["tick"] for figures in loads["game", level]]
        sent, changed = sum(d for d, _ in ticks), sum(c for _, c in ticks)
        ok = sent <= 2 * changed if changed else sent == 0
        verdict(results, f"bytes per idle tick, {name}, <= 2x the bytes of the cells that changed", ok,
                f"{sent / changed:.2f}x" if changed else f"{sent:.0f} bytes for no change")
    for name, level in boards:
        # Other load on the machine only ever adds time: the fastest runs show what is left without it.
        for kind, what, limit in (("game", "start-up in a play folder", 1.15),
                                  ("installed", "start-up installed, from the menu", 1.15)):
            fastest = min(frames[kind, level]) / min(frames["floor", level])
            cpu_ratio = statistics.median(cpu[kind, level]) / statistics.median(cpu["floor", level])
            verdict(results, f"{what}, {name}, <= {limit:.2f}x the floor", startup[kind, level] <= limit,
                    f"{startup[kind, level]:.2f}x (fastest runs {fastest:.2f}x, CPU until then {cpu_ratio:.2f}x)")
    private_game = statistics.median(f["dirty_mb"] for f in game)
    private_floor = statistics.median(f["dirty_mb"] for f in floor)
    verdict(results, "private memory, largest board, sound on, <= the floor + 3 MB", private_game <= private_floor + 3.0,
            f"{private_game - private_floor:+.2f} MB")
    print(f"== {sum(results)} of {len(results)} targets met")


if __name__ == "__main__":
    main()
