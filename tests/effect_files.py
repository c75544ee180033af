#!/usr/bin/env python3
"""The shipped effect files as tools/make_sounds.py writes them: each one
fades in and out (no click where it starts or where a repeat overlaps it),
stays short, and the level and win sounds cannot be mistaken for each other.
Usage: effect_files.py DATA_DIR"""

import os
import struct
import sys
import wave

EDGE = 0.004  # seconds of fade at each end
FILES = ["cheese", "push", "escape", "catch", "level", "win", "caught"]


def samples(path):
    with wave.open(path) as w:
        assert (w.getnchannels(), w.getsampwidth()) == (1, 2), f"{path}: not 16-bit mono"
        raw = w.readframes(w.getnframes())
        return w.getframerate(), struct.unpack(f"<{len(raw) // 2}h", raw)


def envelope(rate, sound, step=0.01):
    """Peak of each 10 ms, scaled to the loudest."""
    n = int(rate * step)
    peaks = [max(abs(s) for s in sound[i:i + n]) for i in range(0, len(sound), n)]
    top = max(peaks)
    return [p / top for p in peaks]


def problems(data):
    found = []
    for name in FILES:
        rate, sound = samples(os.path.join(data, name + ".wav"))
        peak = max(abs(s) for s in sound)
        edge = int(rate * EDGE)
        for end, part in (("start", sound[:edge]), ("end", sound[::-1][:edge])):
            # Under a linear ramp from silence: sample n at most n / edge of the peak.
            over = [n for n, s in enumerate(part) if abs(s) > peak * (n + 1) / edge + 1]
            if over:
                found.append(f"{name}.wav: no fade at its {end} (sample {over[0]})")
        if len(sound) > rate // 2:
            found.append(f"{name}.wav: {len(sound) / rate:.3f} s, longer than half a second")
    rate, level = samples(os.path.join(data, "level.wav"))
    _, win = samples(os.path.join(data, "win.wav"))
    a, b = envelope(rate, level), envelope(rate, win)
    length = max(len(a), len(b))
    a, b = a + [0.0] * (length - len(a)), b + [0.0] * (length - len(b))
    difference = sum(abs(x - y) for x, y in zip(a, b)) / length
    if difference < 0.2:
        found.append(f"win.wav and level.wav rise and fall alike (difference {difference:.2f})")
    return found


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    found = problems(sys.argv[1])
    for problem in found:
        print(problem, file=sys.stderr)
    sys.exit(1 if found else 0)
