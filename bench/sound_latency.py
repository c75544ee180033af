#!/usr/bin/env python3
"""Key-to-sound latency: a real key press to the cheese sound's onset at a
PulseAudio null sink started here, recorded from its monitor in 5 ms blocks.
Each press is timed on the recording's own clock, from where the recording
stood just before xdotool was started to the first audible sample after it.
The sink runs ahead of what the recording has been handed by at most a block,
so a block is added: the figure is an upper bound. Runs under an X server.

    sound_latency.py GAME DATA_DIR [--presses N]"""

import argparse
import os
import statistics
import struct
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from harness import xdotool  # noqa: E402
from sound_test import RATE, SILENT, THIRTY, Session  # noqa: E402

TARGET_MS = 30
BLOCK_MS = 5


def onset(recording, start, end):
    """Seconds into the recording of the first audible sample after `start`."""
    with open(recording.path, "rb") as data:
        data.seek(int(start * RATE) * 2)
        raw = data.read(int((end - start) * RATE) * 2)
    samples = struct.unpack(f"<{len(raw) // 2}h", raw[:len(raw) // 2 * 2])
    for i, sample in enumerate(samples):
        if abs(sample) > SILENT:
            return start + i / RATE
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("game")
    parser.add_argument("data")
    parser.add_argument("--presses", type=int, default=25)
    args = parser.parse_args()
    presses = min(args.presses, 30)  # one cheese each
    latencies = []
    with Session(os.path.abspath(args.data), {"level000.lvx": THIRTY}) as session:
        game = session.game(os.path.abspath(args.game), joins_server=True)
        recording = session.recording(latency_ms=BLOCK_MS)
        xdotool("windowfocus", "--sync", game.window)
        for _ in range(presses):
            recording.wait_for(0.2)  # the last sound has died away
            sent = recording.seconds()
            xdotool("key", "Right")
            heard = onset(recording, sent, recording.wait_for(0.3))
            if heard is None:
                sys.exit("sound_latency: a cheese was not heard")
            latencies.append((heard - sent) * 1000 + BLOCK_MS)
    median = statistics.median(latencies)
    print(f"key to sound: median {median:.1f} ms, {min(latencies):.1f}-{max(latencies):.1f} ms over {presses} presses"
          f"  {'PASS' if median <= TARGET_MS else 'MISS'} (target <= {TARGET_MS} ms)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
