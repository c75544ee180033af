#!/usr/bin/env python3
"""The editor's proof and the check of a recorded game, measured. Every level given
is proved as the editor proves it (whiskerdash-bot --prove, one core), with the CPU
time each took; then each proof, a recorded winning game, is checked by the game
(whiskerdash --replay PROOF --check) and timed against the time it took to play
(its ticks, 400 ms each).

    proofs.py BUILD_DIR LEVEL.lvx...

Targets: a proof within 10 s of CPU; the longest game's check at 1,000 times the
speed of play or more (a game of a few seconds is checked in about the time the
program takes to start, which is shown apart)."""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

TICK_S = 0.4
CHECK_RUNS = 3  # the fastest of these: other load on the machine only ever adds time


def ticks(proof):
    with open(proof) as recording:
        return sum(int(line.split()[1]) for line in recording if line.startswith("t "))


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    build, levels = os.path.abspath(sys.argv[1]), [os.path.abspath(level) for level in sys.argv[2:]]
    scratch = tempfile.mkdtemp(prefix="whiskerdash-proofs-")
    env = dict(os.environ, XDG_CONFIG_HOME=os.path.join(scratch, "config"), XDG_DATA_HOME=os.path.join(scratch, "data"))
    try:
        proved = subprocess.run([os.path.join(build, "whiskerdash-bot"), "--prove", "--proofs", scratch, *levels],
                                capture_output=True, text=True)
        rows = [line.split() for line in proved.stdout.splitlines()]
        seconds = {row[0]: float(row[-1]) for row in rows}
        print(f"== proofs: {len(rows)} levels, {sum(row[3] != 'unproved' for row in rows)} proved")
        slowest = max(seconds, key=seconds.get)
        print(f"  CPU a level: median {statistics.median(seconds.values()):.2f} s,"
              f" slowest {seconds[slowest]:.2f} s ({os.path.basename(slowest)})")
        speeds = {}
        for level in levels:
            proof = os.path.join(scratch, os.path.splitext(os.path.basename(level))[0] + ".proof")
            if not os.path.exists(proof):
                continue
            fastest = None
            for _ in range(CHECK_RUNS):
                start = time.monotonic()
                check = subprocess.run([os.path.join(build, "whiskerdash"), "--replay", proof, "--check"], cwd=scratch,
                                       capture_output=True, text=True, env=env)
                took = time.monotonic() - start
                if check.returncode != 0:
                    sys.exit(f"proofs: {proof} does not check out: {check.stderr}")
                fastest = took if fastest is None else min(fastest, took)
            speeds[level] = (ticks(proof) * TICK_S, fastest)
        ratios = {level: played / took for level, (played, took) in speeds.items()}
        slowest_check = min(ratios, key=ratios.get)
        played, took = speeds[slowest_check]
        print(f"== checks of the proofs (the whole program, start to exit; fastest of {CHECK_RUNS})")
        print(f"  speed of play: median {statistics.median(ratios.values()):.0f} x; slowest {ratios[slowest_check]:.0f} x"
              f" ({os.path.basename(slowest_check)}: {played:.1f} s of play checked in {took * 1000:.1f} ms)")
        longest = max(speeds, key=lambda level: speeds[level][0])
        shortest = min(speeds, key=lambda level: speeds[level][0])
        played, took = speeds[longest]
        print(f"  the longest game: {os.path.basename(longest)}, {played:.1f} s of play checked in {took * 1000:.1f} ms"
              f" = {played / took:.0f} x")
        # The shortest game's check is nearly all the program's start-up and end.
        short_played, short_took = speeds[shortest]
        print(f"  the shortest game: {os.path.basename(shortest)}, {short_played:.1f} s of play checked in"
              f" {short_took * 1000:.1f} ms, nearly all of it the program's start and end")
        print("== targets")
        ok_proof = max(seconds.values()) <= 10.0
        ok_check = speeds[longest][0] / speeds[longest][1] >= 1000
        print(f"  {'PASS' if ok_proof else 'MISS'}  every proof within 10 s of CPU: slowest {seconds[slowest]:.2f} s")
        print(f"  {'PASS' if ok_check else 'MISS'}  the longest game checked at 1,000 x the speed of play or more,"
              f" start-up included: {speeds[longest][0] / speeds[longest][1]:.0f} x")
    finally:
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    main()
